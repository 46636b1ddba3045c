#!/bin/sh
# Installs what is missing, builds, and starts the desktop program.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
exec ./build/bin/corvane "$@"
