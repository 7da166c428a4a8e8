#!/bin/bash
# Runs the benchmarks of Tikanda against a bare Qt window and prints the figures with their
# goals (figures, not pass/fail):
#   bench/run.sh [--quick] [--only LIST]
#       installs what is missing, builds the program, the baseline and the X watcher in
#       build/ (or $TIKANDA_BUILD_DIR) and measures them
#   bench/run.sh [--quick] [--only LIST] PROGRAM
#       measures PROGRAM as it is (the baseline and the watcher from the build folder)
# --quick: short runs for development (about 10 minutes instead of about 45).
# --only: a comma-separated subset of startup,cpu,wakeups,memory,tick,alarm.
# Everything runs in a private session: Xvfb, openbox, a session bus and PulseAudio with a
# null sink (scripts/lib/session.sh). See bench/README.md.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}
options=()
program=""
while [ $# -gt 0 ]; do
    case "$1" in
    --quick) options+=(--quick) ;;
    --only) options+=(--only "$2"); shift ;;
    --only=*) options+=("$1") ;;
    -h | --help) sed -n '2,13p' "$0"; exit 0 ;;
    *) program=$1 ;;
    esac
    shift
done

if [ -z "$program" ]; then
    "$root/scripts/deps.sh"
    TIKANDA_BUILD_DIR=$build "$root/scripts/build.sh" --target bench
    program=$build/tikanda
else
    cmake --build "$build" --target tikanda_baseline tikanda_xwatch >/dev/null
fi
program=$(realpath "$program")
for tool in python3 strace parecord xdotool; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing (apt-get install ${tool/parecord/pulseaudio-utils})" >&2; exit 1; }
done

source "$root/scripts/lib/session.sh"
trap session_stop EXIT
trap 'exit 130' INT TERM
session_start --sound
export BENCH_SINK=$SESSION_SINK
python3 "$root/bench/bench.py" --program "$program" --baseline "$build/bench/tikanda_baseline" \
    --xwatch "$build/bench/tikanda_xwatch" --work "$SESSION_DIR" "${options[@]}"
