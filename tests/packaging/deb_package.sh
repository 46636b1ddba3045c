#!/bin/sh
# deb_package.sh BUILD_DIR WORK_DIR EXPECTED_FILES DEPENDS...: cpack makes the
# Debian package of the build; `dpkg-deb -c` lists exactly the expected files
# below /usr, `dpkg-deb -f` names every package in DEPENDS among its
# Depends. Exits 77 (skip) where the Debian tools are missing.
set -u
build="$1"
work="$2"
expected="$3"
shift 3
for tool in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev cpack:cmake; do
  if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
    echo "SKIP: ${tool%%:*} is not installed (Debian package ${tool#*:})"
    exit 77
  fi
done
rm -rf "$work"
mkdir -p "$work"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
deb=$(ls "$work"/corvane_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no corvane_*.deb"; exit 1; }
echo "package: $(basename "$deb")"

status=0
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort >"$work/found"
sort "$expected" >"$work/expected"
if ! cmp -s "$work/expected" "$work/found"; then
  echo "FAIL: the package's files differ from the list (- missing, + not expected):"
  diff "$work/expected" "$work/found" | grep '^[<>]' | sed 's/^</-/;s/^>/+/'
  status=1
fi
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in "$@"; do
  printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//;s/ .*//' | grep -qx "$package" \
    || { echo "FAIL: Depends does not name $package"; status=1; }
done
for field in Package Version Architecture Maintainer Section Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || { echo "FAIL: no $field field"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = corvane ] || { echo "FAIL: the package is not named corvane"; status=1; }
exit "$status"
