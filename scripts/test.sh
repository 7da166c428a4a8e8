#!/bin/bash
# Installs what is missing, builds everything, and runs every test: headless, Qt
# (offscreen) and end-to-end (each under its own Xvfb, openbox and PulseAudio, started by
# tests/e2e/harness.sh). Arguments go to ctest (e.g. scripts/test.sh -L headless).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}

"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# With no arguments, the whole suite: also the headless tests cross-built for Windows and
# run under wine, the sanitizer, fuzzing and leak checks, and the Debian package built,
# installed, started and removed again. They run first so that the test summary of ctest
# closes the output.
if [ $# -eq 0 ]; then
    "$root/scripts/cross-test.sh"
    "$root/scripts/hardening.sh"
    "$root/scripts/package-test.sh"
fi
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
