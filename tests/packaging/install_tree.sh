#!/bin/sh
# install_tree.sh BUILD_DIR PREFIX EXPECTED_FILES [GUI]: `cmake --install`
# into PREFIX lays out exactly the files listed (paths below the prefix, one
# a line), and the installed programs run from there and find their
# shipped bobbin catalogue in PREFIX's data folder.
set -u
build="$1"
prefix="$2"
expected="$3"
gui="${4:-}"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

status=0
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$prefix.found"
sort "$expected" >"$prefix.expected"
if ! cmp -s "$prefix.expected" "$prefix.found"; then
  echo "FAIL: the installed files differ from the list (- missing, + not expected):"
  diff "$prefix.expected" "$prefix.found" | grep '^[<>]' | sed 's/^</-/;s/^>/+/'
  status=1
fi
for program in bin/corvane-script bin/corvane-search ${gui:+bin/corvane}; do
  [ -x "$prefix/$program" ] || { echo "FAIL: $program is not executable"; status=1; }
done
"$prefix/bin/corvane-search" --help | grep -q "usage: corvane-search DESIGN" \
  || { echo "FAIL: the installed corvane-search does not run"; status=1; }

# the installed corvane-script looks its catalogue up beside itself, then in
# the tree it was installed into
catalogue="$prefix/share/corvane/bobbins.sqlite"
out=$(printf '%s\n' "show Frmbobbin" "print Frmbobbin.LblStatus" "set Frmbobbin.Text8 EI-48*30" \
  "expect Frmbobbin.Text6 CT-48-30" | "$prefix/bin/corvane-script" 2>&1)
case "$out" in
  *"骨架目录：$catalogue"*"0 failed"*) ;;
  *) printf '%s\n' "$out"; echo "FAIL: the installed corvane-script does not use $catalogue"; status=1 ;;
esac

if [ -n "$gui" ]; then
  runtime="$prefix.runtime"
  mkdir -p "$runtime" && chmod 700 "$runtime"
  if ! XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
      "$prefix/bin/corvane" --no-cover --measure-startup | grep -q "main window shown"; then
    echo "FAIL: the installed corvane does not come up"
    status=1
  fi
fi
[ "$status" -eq 0 ] && echo "$(wc -l <"$prefix.found") files installed as listed; the programs run"
exit "$status"
