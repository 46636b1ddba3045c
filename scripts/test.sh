#!/bin/sh
# Installs what is missing, builds everything, and runs every test. GUI tests
# run on Qt's offscreen platform, so no display is needed.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
BUILD="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$BUILD" -j"$(nproc)"
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
