#!/bin/bash
# shellcheck disable=SC2317  # the functions run through step and the traps
# Proves that the README's test command passes on a minimal Debian 12: builds
# a fresh root with mmdebstrap, clones the committed HEAD into it, runs
# `sh scripts/test.sh` there as root, and with --package also builds the
# Debian package, installs it into a second fresh root and starts it. Times
# each step, names the step that failed, and unmounts and removes the roots
# on every way out, an interrupt included. Runs under bash, whose job
# control gives each step a process group of its own to end it by.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"
set -u

usage() {
  cat <<'EOF'
Usage: sh scripts/fresh-check.sh [--package] [--keep]

Checks on a minimal Debian 12 root (mmdebstrap --variant=minbase bookworm,
with this machine's package sources) that the README's test command passes
from a clean clone. The clone takes the repository's committed HEAD:
uncommitted changes are not part of the check, commit them first.

  --package  then also build the package (sh scripts/package.sh), install it
             with apt into a second fresh root that has nothing else, and
             start the installed program offscreen
             (corvane --no-cover --measure-startup)
  --keep     keep the roots and the step logs for inspection (their paths
             are printed); they are unmounted all the same
  -h, --help this text

Needs root, mmdebstrap and git, and the network to the package sources. The
build in the root has no ccache: it takes tens of minutes on two cores. Each
step's output goes to a log whose path is printed at the start; a failure
prints the end of its log. Exits 0 when every step passed, 1 when one failed,
2 on a usage error.
EOF
}

with_package=no
keep=no
for arg in "$@"; do
  case "$arg" in
    --package) with_package=yes ;;
    --keep) keep=yes ;;
    -h | --help) usage; exit 0 ;;
    *) echo "fresh-check: unknown option $arg" >&2; usage >&2; exit 2 ;;
  esac
done
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-check: needs root (mmdebstrap builds the root, chroot runs in it)" >&2
  exit 2
fi
for tool in mmdebstrap git chroot mount umount; do
  command -v "$tool" >/dev/null 2>&1 || { echo "fresh-check: $tool is not installed" >&2; exit 2; }
done
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel) || exit 2

work=$(mktemp -d "${TMPDIR:-/var/tmp}/corvane-fresh.XXXXXX") || exit 2
work=$(cd "$work" && pwd -P)
logs="$work/logs"
build_root="$work/build-root"
install_root="$work/install-root"
mkdir "$logs"
step_pid=""
phases=()
summary=""
failed=""

# The processes whose root directory is $1: whatever the suite or a package's
# scripts left running there.
processes_in() {
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/root" 2>/dev/null)" = "$1" ] && printf '%s ' "${proc#/proc/}"
  done
}

# Mount points at or below $1, deepest first.
mounts_below() {
  awk -v top="$1" '$2 == top || index($2, top "/") == 1 {print $2}' /proc/mounts | sort -r
}

# Ends what still runs in the roots, unmounts them, and removes the work
# folder unless asked to keep it. Never removes a folder with something
# still mounted below it.
cleanup() {
  trap - EXIT INT TERM HUP
  if [ -n "$step_pid" ]; then
    kill -TERM -- "-$step_pid" 2>/dev/null
    wait "$step_pid" 2>/dev/null
  fi
  for root in "$build_root" "$install_root"; do
    [ -d "$root" ] || continue
    pids=$(processes_in "$root")
    if [ -n "$pids" ]; then
      # shellcheck disable=SC2086
      kill -TERM $pids 2>/dev/null
      sleep 2
      pids=$(processes_in "$root")
      # shellcheck disable=SC2086
      [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
    fi
  done
  for point in $(mounts_below "$work"); do
    umount "$point" 2>/dev/null || umount -l "$point"
  done
  if [ -n "$(mounts_below "$work")" ]; then
    echo "fresh-check: still mounted below $work, left in place:" >&2
    mounts_below "$work" >&2
    exit 1
  fi
  if [ "$keep" = yes ]; then
    echo "kept: $work (roots build-root, install-root; logs in logs/)"
  elif [ -n "$failed" ]; then
    # the roots go, the logs stay for reading
    rm -rf --one-file-system "$build_root" "$install_root"
    echo "logs kept: $logs"
  else
    rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT
# stopped from outside: the summary so far, then the clean-up
stopped() {
  failed="${1} (during ${name:-the start})"
  echo
  echo "fresh-check: $1; the steps done:"
  printf '%s' "$summary"
  exit "$2"
}
trap 'stopped interrupted 130' INT
trap 'stopped terminated 143' TERM HUP

# What a chroot needs of the kernel: processes, devices, pseudo-terminals and
# shared memory. mmdebstrap has made the device nodes in the root's /dev.
mount_kernel_filesystems() {
  mount -t proc proc "$1/proc" &&
    mount -t sysfs sysfs "$1/sys" &&
    mount --bind /dev/pts "$1/dev/pts" &&
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$1/dev/shm"
}

# Runs the shell command $2 as root in the root $1 with the bare environment
# of a fresh login: no locale, no display, nothing of this machine's shell.
in_root() {
  chroot "$1" /usr/bin/env -i HOME=/root TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive sh -c "$2"
}

# The package sources of this machine, as mmdebstrap takes them: each file
# of sources.list lines or deb822 stanzas that apt would read.
package_sources() {
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && grep -q '^[^#[:space:]]' "$file" && printf '%s\n' "$file"
  done
}

# Copies its input, each line led by the seconds since the step began, so
# the log shows where the time went.
stamp_lines() {
  SECONDS=0
  while IFS= read -r line || [ -n "$line" ]; do
    printf '[%5d] %s\n' "$SECONDS" "$line"
  done
}

# phase_times LOG TOTAL LABEL PATTERN LABEL PATTERN... LABEL: the seconds each
# phase of a step took, a phase ending at the first log line that matches
# the pattern after its label and the last one at TOTAL; nothing without
# labels or when a pattern is not in the log.
phase_times() {
  local log="$1" total="$2" from=0 at text=""
  shift 2
  [ $# -gt 0 ] || return 0
  while [ $# -ge 3 ]; do
    at=$(grep -m 1 -e "$2" "$log" | sed -n 's/^\[ *\([0-9]*\)\].*/\1/p')
    [ -n "$at" ] || return 0
    text="$text$1 $((at - from)) s, "
    from=$at
    shift 2
  done
  printf '  (%s%s %d s)' "$text" "$1" "$((total - from))"
}

# step NAME COMMAND...: runs the command as a job of its own (so an
# interrupt is handled at once and ends the whole job), its output stamped
# into logs/NAME.log, and notes the time it took; on failure prints the end
# of the log and stops the check.
set -m
step() {
  name="$1"
  shift
  log="$logs/$name.log"
  echo "$(date +%H:%M:%S) $name ..."
  start=$(date +%s)
  ("$@" </dev/null 2>&1 | stamp_lines >"$log"; exit "${PIPESTATUS[0]}") &
  step_pid=$!
  wait "$step_pid"
  status=$?
  step_pid=""
  seconds=$(($(date +%s) - start))
  if [ "$status" -ne 0 ]; then
    failed="$name"
    summary="$summary$(printf '%-10s %6d s  FAILED (exit %d)' "$name" "$seconds" "$status")
"
    echo "--- end of $log:"
    tail -n 60 "$log"
    echo "---"
    finish
  fi
  summary="$summary$(printf '%-10s %6d s  ok' "$name" "$seconds")$(phase_times "$log" "$seconds" "${phases[@]}")
"
  echo "$(date +%H:%M:%S) $name ok ($seconds s)"
  phases=()
}

finish() {
  echo
  echo "fresh-check summary (seconds, $(nproc) cores):"
  printf '%s' "$summary"
  if [ -n "$failed" ]; then
    echo "FAILED: $failed"
    exit 1
  fi
  echo "PASSED"
  exit 0
}

# A step that is done when the test log shows no test skipped: on a fresh
# root a skip means a tool the suite needs is not installed.
no_test_skipped() {
  if grep -q "tests did not run" "$logs/test.log"; then
    sed -n '/tests did not run/,/^$/p' "$logs/test.log"
    return 1
  fi
  grep "tests passed" "$logs/test.log"
}

create_root() {
  # shellcheck disable=SC2046
  mmdebstrap --variant=minbase bookworm "$build_root" $(package_sources) || return 1
  # no daemon a package brings starts from the root on this machine
  printf '#!/bin/sh\nexit 101\n' >"$build_root/usr/sbin/policy-rc.d"
  chmod 755 "$build_root/usr/sbin/policy-rc.d"
  if [ "$with_package" = yes ]; then
    cp -a "$build_root" "$install_root" || return 1
  fi
  mount_kernel_filesystems "$build_root"
}

clone_head() {
  clone="$build_root/root/corvane"
  git clone --quiet --no-checkout "$repo" "$clone" &&
    git -C "$clone" fetch --quiet "$repo" HEAD &&
    git -C "$clone" checkout --quiet --detach FETCH_HEAD || return 1
  git -C "$clone" log -1 --format='checked out %h %s'
  [ "$(git -C "$clone" rev-parse HEAD)" = "$(git -C "$repo" rev-parse HEAD)" ]
}

install_package() {
  mount_kernel_filesystems "$install_root" || return 1
  deb=$(ls "$build_root"/root/corvane/build-deb/corvane_*.deb) || return 1
  cp "$deb" "$install_root/root/" &&
    in_root "$install_root" 'cd /root && apt-get update && apt install -y ./corvane_*.deb'
}

start_installed() {
  in_root "$install_root" 'QT_QPA_PLATFORM=offscreen corvane --no-cover --measure-startup' \
    >"$logs/start.out" 2>&1
  status=$?
  cat "$logs/start.out"
  [ "$status" -eq 0 ] && grep -q "main window shown" "$logs/start.out"
}

echo "fresh-check of $(git -C "$repo" log -1 --format='%h %s') in $work"
echo "step logs: $logs"
[ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ] &&
  echo "note: $repo has uncommitted changes; they are not part of the check"

step root create_root
step clone clone_head
phases=(packages "-- The CXX compiler identification" build "Test project " ctest)
step test in_root "$build_root" 'cd /root/corvane && sh scripts/test.sh'
step skips no_test_skipped
if [ "$with_package" = yes ]; then
  phases=(build "CPack: Create package" cpack)
  step package in_root "$build_root" 'cd /root/corvane && sh scripts/package.sh'
  step install install_package
  step start start_installed
fi
finish
