# The Qt tests that need this harness (E2e*, left out of the Qt label), on xcb, and the
# program without a display or a sound server.
source "$E2E_LIB"
qt_tests=${TIKANDA_QT_TESTS:-$(dirname "$TIKANDA")/tests/tikanda_qt_tests}
[ -x "$qt_tests" ] || e2e_fail "no Qt test binary at $qt_tests"

run_qt_tests() { # matching $1, under the command prefix in $2...: all must run and pass
    "${@:2}" "$qt_tests" --gtest_filter="$1" >"$E2E_DIR/qt.log" 2>&1 &&
        grep -q '^\[  PASSED  \] [1-9]' "$E2E_DIR/qt.log" && ! grep -q '\[  SKIPPED \]' "$E2E_DIR/qt.log" ||
        { cat "$E2E_DIR/qt.log"; e2e_fail "Qt tests failed or skipped: $1"; }
}
run_qt_tests 'E2e*:HelpViewer.MissingOrBrokenFileGivesAMessage' \
    env QT_QPA_PLATFORM=xcb
# No display, one that does not answer, or one named with Qt's -display that does not (Qt
# itself would abort): one line on stderr and exit code 2.
no_window() { # the environment's changes in $1, the program's arguments after it
    env $1 timeout 20 "$TIKANDA" "${@:2}" >/dev/null 2>"$E2E_DIR/err"
    rc=$? message=$(head -n 1 "$E2E_DIR/err")
    [ $rc -eq 2 ] && [[ $message =~ ^"tikanda: "(no display|cannot connect to the X display) ]] &&
        [ "$(wc -l <"$E2E_DIR/err")" -eq 1 ] || e2e_fail "$*: exit code $rc, message \"$message\""
}
no_window "-u DISPLAY"
no_window DISPLAY=:4242
no_window "" -display :999

# A wave file chosen as the sound that is empty, or cut short (its data shorter than its
# header says): the alarm of a countdown of 0:00:00 is heard all the same (the chime).
: >"$E2E_DIR/empty.wav"
head -c 20000 "$(dirname "$TIKANDA")/CILILINK.WAV" >"$E2E_DIR/cut.wav"
for wav in empty cut; do
    printf '[User]\nZvuk=1\nWAV=%s\n' "$E2E_DIR/$wav.wav" >"$(e2e_settings_file)"
    start_program
    xdotool key ctrl+p && e2e_record_start && xdotool key F2
    ui_wait "$ALARM" label '^–0:00:0[2-9]$' showing || e2e_fail "$wav.wav: no alarm window"
    e2e_record_stop
    e2e_log "$wav.wav as the sound: RMS $RMS at the alarm"
    greater "${RMS:-0}" 0.005 || e2e_fail "$wav.wav as the sound: no sound on the null sink at the alarm"
    stop_program
done

# No sound server (an address that leads nowhere), the sound on: the alarm of a countdown of
# 0:00:00 (Ctrl+P, F2) still comes and counts on.
printf '[User]\nZvuk=1\n' >"$(e2e_settings_file)"
printf 'autospawn = no\n' >"$E2E_DIR/pulse.conf"
PULSE_SERVER="unix:$E2E_DIR/none" PULSE_CLIENTCONFIG="$E2E_DIR/pulse.conf" start_program
ui_has "$MAIN" "check box" '^Zvukový alarm$' checked || e2e_fail "the sound is off"
xdotool key ctrl+p && xdotool key F2
ui_wait "$ALARM" label '^–0:00:0[2-9]$' showing || e2e_fail "without a sound server no alarm window, or it stopped"
stop_program

# A stand-in for the desktop's screen saver: activity at the alarm and every second, one
# inhibition held while the alarm window is open, given back at Ctrl+Alt+F4 and at the
# immediate end by Shift and a click on Storno as well.
saver_log="$E2E_DIR/screensaver.log"
"$HERE/screensaver.py" "$saver_log" 2>>"$E2E_DIR/screensaver.err" &
echo $! >>"$E2E_DIR/pids"
e2e_until 10 grep -qx ready "$saver_log" || e2e_fail "the stand-in screen saver did not start"
start_program
xdotool key ctrl+p && xdotool key F2
ui_wait "$ALARM" label '^–0:00:0[3-9]$' showing || e2e_fail "no alarm window counting to 0:00:03"
xdotool key Escape
ui_wait "$MAIN" text '^Hod$' focused || e2e_fail "Escape did not close the alarm window"
xdotool key F2 # the same countdown again, ended at once from the main window
ui_wait "$ALARM" label '^–0:00:01$' showing || e2e_fail "no second alarm window"
e2e_activate $MAIN_WIN && chord ctrl alt F4
e2e_wait_exit || e2e_fail "the program did not end on Ctrl+Alt+F4"
# A click on Storno with Shift ends the program with the alarm window still open.
start_program
xdotool key ctrl+p && xdotool key F2
ui_wait "$ALARM" label '^–0:00:01$' showing || e2e_fail "no third alarm window"
xdotool keydown shift && ui_click "$MAIN" "push button" '^Storno$'
xdotool keyup shift
e2e_wait_exit || e2e_fail "the program did not end on Shift and a click on Storno"
# One letter a call: a activity, i inhibit, u its release (the same cookie).
calls=$(awk '$2 == "SimulateUserActivity" { s = s "a"; if (t && $1 - t > 1.6) s = s "(late)"; t = $1 }
    $2 == "Inhibit" { s = s "i"; c = $3 } $2 == "UnInhibit" { s = s ($3 == c ? "u" : "?"); t = 0 }
    END { print s }' "$saver_log")
e2e_log "screen saver calls: $calls"
[[ $calls =~ ^aia{3,}uaia+uaia+u$ ]] || e2e_fail "screen saver calls $calls, not aiaaa…u, then twice aia…u"
e2e_log ok
