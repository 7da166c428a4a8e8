#!/bin/bash
# Configures and builds Tikanda in build/ (or $TIKANDA_BUILD_DIR). Arguments after the
# script name go to the build step, e.g. scripts/build.sh --target tikanda.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}
build_type=${TIKANDA_BUILD_TYPE:-RelWithDebInfo}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type"
fi
cmake --build "$build" -j"$(nproc)" "$@"
