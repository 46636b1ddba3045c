#!/bin/sh
# man_page_renders.sh PAGE TEXT: the manual page formats without a warning of
# groff (bad requests, unknown escapes, lines too long to break) and shows TEXT.
command -v man >/dev/null 2>&1 || { echo "SKIP: man is not installed (Debian package man-db)"; exit 77; }
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  printf '%s\n' "$warnings"
  echo "FAIL: groff warns about $1"
  exit 1
fi
LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$1" | grep -qF -- "$2" \
  || { echo "FAIL: the page does not show $2"; exit 1; }
echo "$1 formats cleanly"
