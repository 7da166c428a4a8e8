# The program held up (SIGSTOP for several seconds, then SIGCONT, as a suspended laptop
# wakes): a countdown still rings on time and a stopwatch shows the seconds that passed.
# Then every way of ending with the alarm window open gives back the keycode borrowed for F16,
# and the alarm window open at SIGTERM comes back at the next start. Last, a lock file of the
# settings that can never be taken.
source "$E2E_LIB"

now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
within() { awk -v x="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(x >= lo && x <= hi) }'; }
hold_up() { # stops the program for $1 seconds
    kill -STOP $TIKANDA_PID && sleep "$1" && kill -CONT $TIKANDA_PID
}
alarm_shown() { find_window '^Alarm$'; }

# A countdown of 0:00:20, held up for 8 s from its third second: due 19 to 20 s after F2
# (the first tick counts a whole second), not 8 s later; a second more for seeing it.
start_program
xdotool key --delay 50 0 Return 0 0 Return 2 0 ctrl+p
ui_wait "$MAIN" label '^0:00:20$' showing || e2e_fail "the display does not show the period 0:00:20"
started=$(now) # before the key: no tick comes early, so the times below are never short
xdotool key F2
sleep 3 && hold_up 8
until alarm_shown; do
    within "$(seconds_since "$started")" 0 40 || e2e_fail "no alarm within 40 s"
    sleep 0.05
done
took=$(seconds_since "$started")
e2e_log "countdown of 20 s held up for 8 s: the alarm after $took s"
within "$took" 19 21 || e2e_fail "the countdown of 20 s held up for 8 s rang after $took s"
xdotool key Escape
e2e_until 20 eval '! alarm_shown' || e2e_fail "Escape did not close the alarm window"

# A stopwatch (from the 0:00:20 still in the fields) held up for 6 s from its second second.
e2e_activate $MAIN_WIN
xdotool key ctrl+o
ui_wait "$MAIN" "radio button" '^stopky$' checked || e2e_fail "Ctrl+O chose no stopwatch"
started=$(now)
xdotool key F2
sleep 2 && hold_up 6 && sleep 1.5
before=$(seconds_since "$started")
ui_read || e2e_fail "cannot read the window"
after=$(seconds_since "$started")
shown=$(ui_get "$MAIN" label '^0:00:[0-9][0-9]$' showing | head -n 1 | cut -f3)
e2e_log "stopwatch held up for 6 s: shows $shown after $before to $after s"
# The first tick counts a whole second, so it may be up to a second ahead of the time taken.
within "$((10#${shown##*:} - 20))" "$(awk -v t="$before" 'BEGIN { print t - 1.5 }')" \
    "$(awk -v t="$after" 'BEGIN { print t + 1 }')" ||
    e2e_fail "the stopwatch shows $shown after $before to $after s"
stop_program

# The keyboard map of Xvfb binds no key to F16: the alarm window's keystrokes borrow one.
f16_bound() { xmodmap -pke | grep -qw F16; }
f16_bound && e2e_fail "F16 is in the keyboard map before the program ran"
for way in "Ctrl+Alt+F4" "Shift+click on Storno" "Storno, Ano" SIGTERM; do
    start_program
    xdotool windowmove --sync $MAIN_WIN 0 0 # Storno clear of the alarm window in the middle
    xdotool key ctrl+p # a countdown of 0:00:00 rings at its first tick
    ui_wait "$MAIN" "radio button" '^po uplynutí času$' checked || e2e_fail "$way: Ctrl+P chose no countdown"
    xdotool key F2
    e2e_until 20 alarm_shown || e2e_fail "$way: no alarm window"
    e2e_until 10 f16_bound || e2e_fail "$way: no keycode borrowed for F16"
    case $way in
    Ctrl*) e2e_activate $MAIN_WIN && chord ctrl alt F4 ;;
    Shift*)
        xdotool keydown shift
        ui_click "$MAIN" "push button" '^Storno$' || e2e_fail "no Storno button to click"
        xdotool keyup shift
        ;;
    SIGTERM)
        announced=$(ui_read && ui_field 3 "$ALARM" label '^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$')
        kill -TERM $TIKANDA_PID
        ;;
    *) exit_with_ano ;;
    esac
    e2e_wait_exit || e2e_fail "$way: the program did not end"
    f16_bound && e2e_fail "$way: the program ended and left F16 in the keyboard map"
    e2e_log "$way: ended, the keyboard map as before"
done
# The alarm window open at SIGTERM comes back at the next start, announced as it was.
start_program
ui_wait "$ALARM" label "^$announced\$" showing || e2e_fail "the alarm announced at $announced did not come back"
stop_program

# The settings' lock file a link to nowhere: past the first settings write (two seconds after
# the start) the window still answers and its clock ticks. The exit's save fails; the message
# saying so is not covered by the closing box (kept above every window) and a real click on
# its OK ends the program.
settings=$(e2e_settings_file)
ln -s "$E2E_DIR/nowhere" "$settings.lock"
start_program
sleep 3
clock() { ui_read && ui_get "$MAIN" label '^[0-9]+:[0-9][0-9]:[0-9][0-9]$' showing | head -n 1 | cut -f3; }
first=$(clock)
[ -n "$first" ] || e2e_fail "the window does not answer 3 s after the start"
ticked() { [ "$(clock)" != "$first" ]; }
e2e_until 10 ticked || e2e_fail "the clock stands at $first"
xdotool key ctrl+p
ui_wait "$MAIN" "radio button" '^po uplynutí času$' checked || e2e_fail "Ctrl+P chose no countdown"
ui_click "$MAIN" "push button" '^Storno$' || e2e_fail "no Storno button to click"
ui_wait "$BOX" "push button" '^Ne$' focused || e2e_fail "Storno did not ask, 'Ne' the default"
xdotool key shift+Tab
ui_wait "$BOX" "push button" '^Ano$' focused || e2e_fail "Shift+Tab did not reach 'Ano'"
xdotool key Return
ui_wait "$BOX" label '^Nastavení se nepodařilo uložit\.$' showing || e2e_fail "no word of the failed save"
popup && e2e_fail "the closing box is still shown over the message"
read -r x y w h <<<"$(ui_field 7 "$BOX" "push button" '^OK$' showing)"
[ "${w:-0}" -gt 0 ] || e2e_fail "no OK button in the message"
xdotool mousemove $((x + w / 2)) $((y + h - 3)) click 1 # its lower edge, where the box lay
e2e_wait_exit && [ $E2E_EXIT_CODE -eq 0 ] || e2e_fail "a click on OK did not end the program"
[ -L "$settings.lock" ] || e2e_fail "the lock file is no longer the link"
said=$(grep -c 'the settings are not written' "$E2E_DIR/tikanda.log")
[ "$said" -eq 1 ] || e2e_fail "stderr said $said times that the settings are not written"
e2e_log "a lock that cannot be taken: the window answered, the failed save was told and closed"
e2e_log ok
