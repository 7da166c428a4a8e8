# The Qt tests that skip themselves outside this harness, on xcb, and the program without a
# display or a sound server.
source "$E2E_LIB"
qt_tests=${TIKANDA_QT_TESTS:-$(dirname "$TIKANDA")/tests/tikanda_qt_tests}
[ -x "$qt_tests" ] || e2e_fail "no Qt test binary at $qt_tests"

run_qt_tests() { # matching $1, under the command prefix in $2...: all must run and pass
    "${@:2}" "$qt_tests" --gtest_filter="$1" >"$E2E_DIR/qt.log" 2>&1 &&
        grep -q '^\[  PASSED  \] [1-9]' "$E2E_DIR/qt.log" && ! grep -q '\[  SKIPPED \]' "$E2E_DIR/qt.log" ||
        { cat "$E2E_DIR/qt.log"; e2e_fail "Qt tests failed or skipped: $1"; }
}
run_qt_tests 'SoundOnSink.*:KeyInjectionOnX11.*:HelpViewer.MissingOrBrokenFileGivesAMessage' \
    env QT_QPA_PLATFORM=xcb
for display in "-u DISPLAY" DISPLAY=:4242; do # no display, or one that does not answer
    env $display timeout 20 "$TIKANDA" >/dev/null 2>"$E2E_DIR/err"
    rc=$? message=$(head -n 1 "$E2E_DIR/err")
    [ $rc -eq 2 ] && [[ $message =~ ^"tikanda: "(no display|cannot connect to the X display) ]] &&
        [ "$(wc -l <"$E2E_DIR/err")" -le 2 ] || e2e_fail "$display: exit code $rc, message \"$message\""
done

# No sound server (an address that leads nowhere), the sound on: the alarm of a countdown of
# 0:00:00 (Ctrl+P, F2) still comes and counts on.
printf '[User]\nZvuk=1\n' >"$(e2e_settings_file)"
printf 'autospawn = no\n' >"$E2E_DIR/pulse.conf"
PULSE_SERVER="unix:$E2E_DIR/none" PULSE_CLIENTCONFIG="$E2E_DIR/pulse.conf" start_program
ui_has "$MAIN" "check box" '^Zvukový alarm$' checked || e2e_fail "the sound is off"
xdotool key ctrl+p F2
ui_wait "$ALARM" label '^–0:00:0[2-9]$' showing || e2e_fail "without a sound server no alarm window, or it stopped"
e2e_log ok
