#!/bin/bash
# tests/e2e/harness.sh TEST_SCRIPT PROGRAM: runs one end-to-end test in a private session
# (scripts/lib/session.sh) and stops everything it started, by PID, however the test ends.
set -u
[ $# -eq 2 ] || { echo "usage: $0 TEST_SCRIPT PROGRAM" >&2; exit 2; }
test_script=$(realpath "$1")
program=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/lib/session.sh"

cleanup() {
    local pid
    [ -f "${E2E_DIR:-}/pids" ] && while read -r pid; do kill -9 "$pid" 2>/dev/null; done <"$E2E_DIR/pids"
    session_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
session_start --need-sound || { echo "harness: could not start the test session" >&2; exit 1; }

# The test's environment: lib.sh, a scratch folder (kept on failure), empty settings and run state, the null
# sink, and a fixed language, so that dates and Qt's own texts are the same everywhere.
export TIKANDA="$program" E2E_LIB="$here/lib.sh" E2E_DIR="$SESSION_DIR/test"
export XDG_CONFIG_HOME="$SESSION_DIR/config" XDG_STATE_HOME="$SESSION_DIR/state" TIKANDA_TEST_SINK="$SESSION_SINK"
export E2E_ARTIFACTS="${E2E_ARTIFACTS:-$(dirname "$program")/e2e-artifacts}/$(basename "$test_script" .sh)"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -p "$E2E_DIR" "$XDG_CONFIG_HOME"

echo "harness: $(basename "$test_script") on DISPLAY=$DISPLAY"
# Ends a hung test itself, before CTest's limit (300 s) kills the harness uncleaned.
timeout "${E2E_SCRIPT_TIMEOUT:-240}" bash "$test_script"
rc=$?
[ $rc -eq 124 ] && echo "harness: the test took longer than ${E2E_SCRIPT_TIMEOUT:-240} s" >&2
if [ $rc -ne 0 ]; then
    mkdir -p "$E2E_ARTIFACTS"
    cp -r "$E2E_DIR"/. "$SESSION_DIR"/*.log "$E2E_ARTIFACTS"/ 2>/dev/null
    echo "harness: FAILED ($rc); screenshots and logs in $E2E_ARTIFACTS" >&2
fi
exit $rc
