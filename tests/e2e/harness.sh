#!/bin/bash
# Runs one end-to-end test script against the real program in a private session:
#   tests/e2e/harness.sh TEST_SCRIPT PROGRAM
# Starts Xvfb on a free display, openbox, a session D-Bus and PulseAudio with a null sink as
# the default sink (scripts/lib/session.sh); gives the test a fresh settings folder; runs
# TEST_SCRIPT with bash; stops everything it started, by PID, however the test ends.
#
# The test script gets:
#   TIKANDA            the program under test
#   E2E_LIB            helpers to source (tests/e2e/lib.sh)
#   E2E_DIR            a scratch folder; E2E_ARTIFACTS keeps screenshots and logs of a
#                      failed run (default build/e2e-artifacts beside the program)
#   XDG_CONFIG_HOME    a fresh empty folder (the settings file is $XDG_CONFIG_HOME/RVTikanda.conf)
#   DISPLAY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR, PULSE_SERVER
#   TIKANDA_TEST_SINK  the null sink's name (its monitor source is "$TIKANDA_TEST_SINK.monitor")
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 TEST_SCRIPT PROGRAM" >&2
    exit 2
fi
test_script=$(realpath "$1")
program=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/lib/session.sh"

cleanup() {
    local pid
    # Programs the test started through lib.sh, then the session itself.
    if [ -n "${E2E_DIR:-}" ] && [ -f "$E2E_DIR/pids" ]; then
        while read -r pid; do
            kill -9 "$pid" 2>/dev/null
        done <"$E2E_DIR/pids"
    fi
    session_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if ! session_start --need-sound; then
    echo "harness: could not start the test session" >&2
    exit 1
fi

export TIKANDA="$program"
export E2E_LIB="$here/lib.sh"
export E2E_DIR="$SESSION_DIR/test"
export XDG_CONFIG_HOME="$SESSION_DIR/config"
export TIKANDA_TEST_SINK="$SESSION_SINK"
export E2E_ARTIFACTS="${E2E_ARTIFACTS:-$(dirname "$program")/e2e-artifacts}/$(basename "$test_script" .sh)"
mkdir -p "$E2E_DIR" "$XDG_CONFIG_HOME"
# A fixed language, so that dates and Qt's own texts are the same on every machine.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

echo "harness: $(basename "$test_script") on DISPLAY=$DISPLAY"
# The harness ends a hung test itself, before CTest's own limit (300 s) would kill the
# harness without letting it clean up.
timeout "${E2E_SCRIPT_TIMEOUT:-240}" bash "$test_script"
rc=$?
[ $rc -eq 124 ] && echo "harness: the test took longer than ${E2E_SCRIPT_TIMEOUT:-240} s" >&2
if [ $rc -ne 0 ]; then
    mkdir -p "$E2E_ARTIFACTS"
    cp -r "$E2E_DIR"/. "$E2E_ARTIFACTS"/ 2>/dev/null
    cp "$SESSION_DIR"/*.log "$E2E_ARTIFACTS"/ 2>/dev/null
    echo "harness: FAILED ($rc); screenshots and logs in $E2E_ARTIFACTS" >&2
fi
exit $rc
