#!/bin/sh
# run_validator.sh PACKAGE TOOL ARGS...: runs a validator of the desktop files.
# Fails on any word it says, warnings and hints included; exits 77 (a CTest
# skip) when the tool is not installed.
package="$1"
tool="$2"
shift 2
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIP: $tool is not installed (Debian package $package)"
  exit 77
fi
output=$("$tool" "$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output"
if [ "$status" -ne 0 ] || { [ -n "$output" ] && [ "$tool" != appstreamcli ]; }; then
  echo "FAIL: $tool $*"
  exit 1
fi
exit 0
