#!/bin/bash
# The behaviour stays portable: builds the behaviour library and its headless tests for
# 64-bit Windows with mingw-w64 (cmake/mingw-w64.cmake, TIKANDA_BUILD_UI=OFF: no Qt) and
# runs the tests under wine, headless. A POSIX-only call in the behaviour fails the build,
# a behaviour that differs on Windows fails a test; either fails this script.
#
# GoogleTest is built once from /usr/src/googletest with the same toolchain. Which files
# are built is what the CMake lists say (their globs), as in the native build. Wine runs
# in a fresh prefix in a temporary folder, without a display, and is stopped at the end.
# Where the cross tools are missing (scripts/deps.sh installs them) the step is skipped
# with one line.
#
# Folder: build-mingw/ (TIKANDA_CROSS_DIR). The first run builds GoogleTest and the tests:
# about 1.5 CPU minutes (four minutes on two busy cores); after it, five to ten seconds,
# most of it wine setting up its new prefix.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${TIKANDA_CROSS_DIR:-$root/build-mingw}
gtest_src=/usr/src/googletest
toolchain=$root/cmake/mingw-w64.cmake

wine=$(command -v wine || command -v wine64 || true)
missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
[ -n "$wine" ] || missing+=(wine)
[ -f "$gtest_src/CMakeLists.txt" ] || missing+=(googletest)
if [ ${#missing[@]} -ne 0 ]; then
    list=$(printf '%s, ' "${missing[@]}")
    echo "cross-test: skipped: ${list%, } not installed (scripts/deps.sh installs them)"
    exit 0
fi

start=$SECONDS
gtest=$dir/googletest
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "cross-test: building GoogleTest for Windows"
    cmake -S "$gtest_src" -B "$dir/googletest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$dir/googletest-build" -j"$(nproc)" >/dev/null
    cmake --install "$dir/googletest-build" >/dev/null
fi
if [ ! -f "$dir/tikanda/CMakeCache.txt" ]; then
    # Unoptimised: the test files build a third faster, and run in a second all the same.
    cmake -S "$root" -B "$dir/tikanda" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DTIKANDA_BUILD_UI=OFF \
        -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
fi
cmake --build "$dir/tikanda" --target tikanda_tests -j"$(nproc)"
echo "cross-test: built in $((SECONDS - start)) s"

start=$SECONDS
# Wine's prefix and its server's folder in one temporary folder, removed at the end.
wine_tmp=$(mktemp -d)
export WINEPREFIX=$wine_tmp/prefix TMPDIR=$wine_tmp/tmp
mkdir "$TMPDIR"
stop_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$wine_tmp"
}
trap stop_wine EXIT
# No display (wine falls back to its null display driver), no debug channels, no offer to
# install Mono or Gecko, no menu entries written into the user's desktop.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log=$dir/tests.log
"$wine" wineboot --init >"$dir/wineboot.log" 2>&1 || true
if "$wine" "$dir/tikanda/tests/tikanda_tests.exe" --gtest_brief=1 >"$log" 2>&1 </dev/null; then
    tail -n 2 "$log"
    echo "cross-test: headless tests under wine passed in $((SECONDS - start)) s"
else
    cat "$log" >&2
    echo "cross-test: FAILED: headless tests under wine (log: $log)" >&2
    exit 1
fi
