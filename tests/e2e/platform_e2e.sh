# The real platform layer on a real X server and sound server: sound reaching the
# PulseAudio null sink (good file, undecodable file, nothing, a request replacing a sound)
# and the synthetic F16 key reaching the focused window. The checks are Qt tests
# (tests/platform/*_qttest.cpp) that skip themselves outside this harness; here they run
# on the xcb platform. As root, the read-only settings folder test runs once more as an
# unprivileged user, since root may write into read-only folders.
source "$E2E_LIB"

qt_tests=${TIKANDA_QT_TESTS:-$(dirname "$TIKANDA")/tests/tikanda_qt_tests}
[ -x "$qt_tests" ] || e2e_fail "no Qt test binary at $qt_tests"

# Runs the Qt tests matching filter $1 with the command prefix in the remaining arguments;
# fails unless they all ran and passed.
run_qt_tests() {
    local filter=$1 log
    shift
    log="$E2E_DIR/qt_tests.$RANDOM.log"
    "$@" "$qt_tests" --gtest_filter="$filter" 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || e2e_fail "platform tests failed: $filter"
    grep -q '\[  SKIPPED \]' "$log" && e2e_fail "a platform test was skipped here: $filter"
    grep -q '\[  PASSED  \]' "$log" || e2e_fail "no platform test ran: $filter"
}

run_qt_tests 'SoundOnSink.*:KeyInjectionOnX11.*' env QT_QPA_PLATFORM=xcb

if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    # The session's folders are private to root: the user "nobody" gets one of its own.
    nobody_dir=$(mktemp -d)
    trap 'rm -rf "$nobody_dir"' EXIT
    chmod 1777 "$nobody_dir"
    run_qt_tests 'SettingsStoreTest.FlushFailsInAReadOnly*' \
        setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$nobody_dir" TMPDIR="$nobody_dir" QT_QPA_PLATFORM=offscreen
fi
e2e_log "ok"
