#!/bin/sh
# Builds the Debian package corvane_VERSION-1_ARCH.deb in build-deb/: a
# Release build for the /usr prefix, then cpack's DEB generator (which asks
# dpkg-shlibdeps for the libraries' packages). Install it with
#   apt install ./build-deb/corvane_*.deb
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
BUILD="${BUILD_DIR:-build-deb}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON ${CMAKE_ARGS:-}
# only what the package holds; the tests and benchmarks are not built
cmake --build "$BUILD" -j"$(nproc)" --target corvane corvane-script corvane_man_page
(cd "$BUILD" && cpack -G DEB)
ls "$BUILD"/corvane_*.deb
