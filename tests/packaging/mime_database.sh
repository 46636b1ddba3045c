#!/bin/sh
# mime_database.sh MIME_XML WORK_DIR: the MIME package is well-formed XML and
# the desktop's MIME database takes it without a warning, mapping *.cvn and
# *.cvd, in any letter case (so *.CVN too), to their types. Exits 77 (skip)
# without the tools.
set -u
xml="$1"
work="$2"
for tool in xmllint:libxml2-utils update-mime-database:shared-mime-info; do
  if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
    echo "SKIP: ${tool%%:*} is not installed (Debian package ${tool#*:})"
    exit 77
  fi
done
xmllint --noout "$xml" || { echo "FAIL: xmllint $xml"; exit 1; }
rm -rf "$work"
mkdir -p "$work/mime/packages"
cp "$xml" "$work/mime/packages/corvane.xml"
warnings=$(XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1)
if [ -n "$warnings" ]; then
  printf '%s\n' "$warnings"
  echo "FAIL: update-mime-database complained"
  exit 1
fi
status=0
for expected in "text/x-corvane-electrical:*.cvn" "application/x-corvane-design:*.cvd"; do
  if ! awk -F: -v type="${expected%%:*}" -v glob="${expected#*:}" \
      '$2 == type && $3 == glob && $4 !~ /cs/ {found = 1} END {exit !found}' "$work/mime/globs2"; then
    echo "FAIL: the database does not map ${expected#*:} (any case) to ${expected%%:*}"
    status=1
  fi
done
for expected in "text/x-corvane-electrical text/plain" "application/x-corvane-design application/json"; do
  grep -qx "$expected" "$work/mime/subclasses" || { echo "FAIL: no subclass $expected"; status=1; }
done
[ "$status" -eq 0 ] && echo "the MIME database maps *.CVN, *.cvn and *.cvd to their types"
exit "$status"
