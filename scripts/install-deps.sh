#!/bin/sh
# Installs the Debian 12 packages the build, the tests, the screenshots, the
# PDF checks and the Debian package need. Skips apt entirely when everything
# is already there.
set -eu
PACKAGES="cmake make g++ pkg-config clang-format qt6-base-dev libgtest-dev libbenchmark-dev \
libsqlite3-dev mdbtools-dev nlohmann-json3-dev xvfb xauth fonts-wqy-zenhei imagemagick poppler-utils \
qt6-translations-l10n librsvg2-bin desktop-file-utils appstream libxml2-utils shared-mime-info \
dpkg-dev man-db ngspice"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "installing:$missing"
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
