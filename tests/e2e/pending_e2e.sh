# A run is what the fields show however it is started, pauses at what it counted after a
# restore, and survives every end of the program the user did not choose: SIGTERM (settings
# saved), SIGKILL, the loss of the X server; an alarm that fell due meanwhile rings at once.
source "$E2E_LIB"
settings=$(e2e_settings_file)
state_dir="$XDG_STATE_HOME/tikanda"
autostart="$XDG_CONFIG_HOME/autostart/tikanda-pending.desktop"
pending() { compgen -G "$state_dir/run-*.state" >/dev/null && [ -f "$autostart" ]; }
nothing_pending() { ! compgen -G "$state_dir/run-*.state" >/dev/null && [ ! -e "$autostart" ]; }
counting_down() { # from 0:59:xx, and on
    ui_wait "$MAIN" label '^0:5[89]:[0-5][0-9]$' showing || return 1
    local was && was=$(ui_field 3 "$MAIN" label '^0:5[89]:[0-5][0-9]$' showing)
    e2e_until 5 eval '! ui_check "$MAIN" label "^$was\$" showing'
}

# 75 typed into the focused minutes field: F2 checks it first and starts 0:59:00.
start_program
choose_panel_colour '#ff8000' || e2e_fail "the colour dialog did not take #ff8000"
xdotool key --delay 60 ctrl+p ctrl+h 0 Return 7 5 F2
counting_down || e2e_fail "F2 with 75 in the minutes field did not count down from 0:59:00"
pending || e2e_fail "no state file and autostart entry for the running countdown"
grep -qx "Exec=\"$TIKANDA\"" "$autostart" || e2e_fail "the autostart entry does not start $TIKANDA"

kill -TERM $TIKANDA_PID
e2e_wait_exit && [ $E2E_EXIT_CODE -eq 0 ] || e2e_fail "SIGTERM did not end the program with 0"
grep -qx 'ColGreen=33023' "$settings" || e2e_fail "SIGTERM did not save the colour"
pending || e2e_fail "SIGTERM lost the pending run"
start_program
counting_down || e2e_fail "the countdown did not come back counting after SIGTERM"
kill -KILL $TIKANDA_PID && wait $TIKANDA_PID 2>/dev/null
start_program
counting_down || e2e_fail "the countdown did not come back counting after SIGKILL"
kill -KILL $TIKANDA_PID && wait $TIKANDA_PID 2>/dev/null

# On an X server of its own that goes away: Qt ends the program, the sound switched on there
# is saved and the run stays.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$E2E_DIR/lost-display" 2>/dev/null &
xvfb=$! && echo $xvfb >>"$E2E_DIR/pids"
e2e_until 10 grep -q '[0-9]' "$E2E_DIR/lost-display" || e2e_fail "no second X server"
lost=":$(tr -dc 0-9 <"$E2E_DIR/lost-display")"
DISPLAY=$lost e2e_start
on_lost() { DISPLAY=$lost xdotool search --onlyvisible --pid $TIKANDA_PID --name "^Tikanda 1\.3$"; }
e2e_until 20 on_lost >/dev/null || e2e_fail "no window on the second X server"
DISPLAY=$lost xdotool windowfocus --sync "$(on_lost | head -n 1)" key ctrl+z
sleep 1
kill -KILL $xvfb
e2e_wait_exit || e2e_fail "the program did not end with its X server"
grep -qx 'Zvuk=1' "$settings" || e2e_fail "the loss of the X server did not save the sound switched on"
pending || e2e_fail "the loss of the X server lost the pending run"

# A stop is an end the user chose: the run and the autostart entry go.
start_program
counting_down || e2e_fail "the countdown did not come back after the loss of the X server"
xdotool key F4
e2e_until 10 nothing_pending || e2e_fail "a stop left a state file or the autostart entry"

# The icon option minimises a stopwatch; restored, Storno at once pauses it at what it
# counted, and F4 reports that, not the 0:00:00 the hidden display last showed.
xdotool key --delay 60 ctrl+h 0 Return 0 0 Return 0 0 ctrl+i ctrl+o F2
e2e_until 10 eval '[ "$(xprop -id $MAIN_WIN WM_STATE | grep -o "Iconic")" = Iconic ]' ||
    e2e_fail "the stopwatch did not minimise the window"
sleep 3
e2e_activate $MAIN_WIN
ui_click "$MAIN" "push button" '^Pauza$' || e2e_fail "no Pauza button to click"
ui_wait "$MAIN" "push button" '^Stop$' showing || e2e_fail "Pauza did not pause"
ui_has "$MAIN" label '^0:00:0[2-9]$' showing || e2e_fail "the stopwatch paused at $(ui_get "$MAIN" label '^0:' showing | cut -f3)"
xdotool key F4
ui_wait "$BOX" label '^Čas 0:00:0[2-9]$' showing || e2e_fail "F4 did not report the counted time"
xdotool key Return
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Enter did not close the report"

# A countdown whose end passes while the program is away rings as it comes back, announced
# when it fell due; its dismissal leaves nothing pending.
xdotool key --delay 60 ctrl+p ctrl+h 0 Return 0 0 Return 0 2 F2
ui_wait "$MAIN" "push button" '^Pauza$' showing || e2e_fail "the countdown of 2 s did not start"
kill -TERM $TIKANDA_PID && e2e_wait_exit
sleep 4
start_program
ui_wait "$ALARM" label '^–0:00:0[1-9]$' showing || e2e_fail "no alarm, announced when it fell due"
find_window '^Alarm$' && xdotool mousemove --window $WIN 20 20 click 1
e2e_until 10 nothing_pending || e2e_fail "the dismissed alarm left a state file or the autostart entry"
e2e_log ok
