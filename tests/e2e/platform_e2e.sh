# The platform layer on a real X server and sound server, and the program when they are
# missing. The Qt tests that skip themselves outside this harness run here on xcb: sound on
# the null sink, F16 injected into the focused window, the help window without its file.
source "$E2E_LIB"
settings=$(e2e_settings_file)
qt_tests=${TIKANDA_QT_TESTS:-$(dirname "$TIKANDA")/tests/tikanda_qt_tests}
[ -x "$qt_tests" ] || e2e_fail "no Qt test binary at $qt_tests"

# Runs the Qt tests matching $1 under the command prefix in the remaining arguments; fails
# unless they all ran and passed.
run_qt_tests() {
    "${@:2}" "$qt_tests" --gtest_filter="$1" >"$E2E_DIR/qt.log" 2>&1
    local rc=$?
    cat "$E2E_DIR/qt.log"
    [ $rc -eq 0 ] && ! grep -q '\[  SKIPPED \]' "$E2E_DIR/qt.log" &&
        grep -q '\[  PASSED  \]' "$E2E_DIR/qt.log" || e2e_fail "Qt tests failed or skipped: $1"
}
run_qt_tests 'SoundOnSink.*:KeyInjectionOnX11.*:HelpViewer.MissingOrBrokenFileGivesAMessage' \
    env QT_QPA_PLATFORM=xcb
# Root may write into read-only folders: those tests run as "nobody", in a folder of its own.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    nobody_dir=$(mktemp -d) && chmod 1777 "$nobody_dir"
    run_qt_tests 'SettingsStoreTest.FlushFailsInAReadOnly*:SettingsFaults.StartAndExitInAReadOnly*' \
        setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$nobody_dir" TMPDIR="$nobody_dir" QT_QPA_PLATFORM=offscreen
    rm -rf "$nobody_dir"
fi

# No display, or one that does not answer: a message and exit code 2.
for display in "-u DISPLAY" DISPLAY=:4242; do
    env $display timeout 20 "$TIKANDA" >/dev/null 2>"$E2E_DIR/err"
    rc=$? message=$(head -n 1 "$E2E_DIR/err")
    e2e_log "$display: exit $rc, \"$message\""
    [ $rc -eq 2 ] || e2e_fail "$display: exit code $rc, not 2"
    [[ $message =~ ^"tikanda: "(no display|cannot connect to the X display) ]] &&
        [ "$(wc -l <"$E2E_DIR/err")" -le 2 ] || e2e_fail "$display: the message is \"$message\""
done

# No sound server (an address that leads nowhere; none started instead), the sound on: the
# alarm of a countdown of 0:00:00 (Ctrl+P, F2) still comes, and the program goes on.
printf '[User]\nZvuk=1\n' >"$settings"
printf 'autospawn = no\n' >"$E2E_DIR/pulse.conf"
PULSE_SERVER="unix:$E2E_DIR/none" PULSE_CLIENTCONFIG="$E2E_DIR/pulse.conf" start_program
ui_has "$MAIN" "check box" '^Zvukový alarm$' checked || e2e_fail "the sound is off"
xdotool key ctrl+p F2
e2e_until 20 find_window '^Alarm$' || e2e_fail "without a sound server no alarm window came"
sleep 2 # more ticks, more attempts to play
kill -0 $TIKANDA_PID || e2e_fail "the program died at the alarm without a sound server"
xdotool key Escape
e2e_until 20 unmapped $WIN || e2e_fail "Escape did not close the alarm window"
e2e_log ok
