#!/bin/sh
# Installs the Debian 12 packages the build, the tests, the screenshots, the
# PDF checks and the Debian package need. Skips apt entirely when everything
# is already there. Packages go in without their Recommends, so the list
# names what is only recommended elsewhere: make (cmake), xauth (xvfb) and
# file (cpack's DEB generator runs it on every binary to find the libraries
# dpkg-shlibdeps must look at). scripts/fresh-check.sh proves the list on a
# minimal Debian 12.
set -eu
PACKAGES="cmake make g++ pkg-config clang-format qt6-base-dev qt6-tools-dev qt6-l10n-tools \
libgtest-dev libbenchmark-dev libsqlite3-dev mdbtools-dev nlohmann-json3-dev ngspice \
xvfb xauth fonts-wqy-zenhei imagemagick poppler-utils qt6-translations-l10n librsvg2-bin \
desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file man-db"
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
