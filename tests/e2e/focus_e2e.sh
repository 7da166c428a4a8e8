# The keyboard focus and the mouse buttons with real input: a paused run keeps its value
# whatever held the focus when it started, by every way of starting; right and middle
# presses on buttons change nothing; the hours field is checked after the alarm text edit;
# a key release acts only in the window its press went to; without the toolbar the text
# box lies on top of the panel.
source "$E2E_LIB"
W=$MAIN

run_display() { # the text of the run display, the label after "Alarm v:", "Alarm za:", "Stopky:"
    ui_read && awk -F'\t' -v w="$W" '$1 == w && $2 == "label" {
        if (take) { print $3; exit } if ($3 ~ /^(Alarm v|Alarm za|Stopky):$/) take = 1 }' "$E2E_UI"
}
secs() { local h m s && IFS=: read -r h m s <<<"$1" && echo $((10#$h * 3600 + 10#$m * 60 + 10#$s)); }
shown_below() { D=$(run_display) && [ -n "$D" ] && [ "$(secs "$D")" -lt "$1" ]; }
shown_above() { D=$(run_display) && [ -n "$D" ] && [ "$(secs "$D")" -gt "$1" ]; }
field_is() { ui_read && [ "$(ui_field 4 "$W" text "^$1\$")" = "$2" ]; }
focus_field() { # a left click into the field $1
    ui_click "$W" text "^$1\$" && ui_wait "$W" text "^$1\$" focused || e2e_fail "no focus in $1 by a click"
}
enter_field() { focus_field "$1" && xdotool key End shift+Home && xdotool type "$2"; } # $2 over its text

start_program

# The alarm text edit confirmed with Enter leaves the focus in the hours field, checked:
# its text selected on arrival, and 99 becomes 23 on leaving.
chord ctrl t
ui_wait "$W" "combo box" '' focused || e2e_fail "Ctrl+T did not open the text edit"
xdotool key Return
ui_wait "$W" text '^Hod$' focused || e2e_fail "the focus is not in the hours field after the edit"
xdotool type 99 && xdotool key Tab
e2e_until 10 field_is Hod 23 || e2e_fail "the hours field was not checked after the edit: '$(ui_field 4 "$W" text '^Hod$')'"
[[ $(run_display) == 23:00:00 ]] || e2e_fail "the display reads $(run_display), not 23:00:00"

# Right and middle presses on the option and command buttons, and left ones in What's-This
# mode (Shift+F1), the hours field holding 99 and the focus: no mode change, no focus move,
# no leave check of the field.
enter_field Hod 99
for target in "radio button|v nastaveném čase" "radio button|po uplynutí času" \
    "radio button|stopky" "push button|OK" "push button|Storno"; do
    for press in right middle what; do
        read -r x y w h <<<"$(ui_read && ui_field 7 "$W" "${target%%|*}" "^${target#*|}\$" showing)"
        [ $press = what ] && xdotool key shift+F1 && sleep 0.3
        xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "$(case $press in right) echo 3 ;;
            middle) echo 2 ;; what) echo 1 ;; esac)"
        if [ $press = middle ]; then
            sleep 0.5
        else # its What's-This help, closed by a key
            e2e_until 10 popup || e2e_fail "a $press press on '${target#*|}' showed no help"
            xdotool key shift
            e2e_until 10 eval '! popup' || e2e_fail "the help of '${target#*|}' did not close"
        fi
        ui_read
        ui_has "$W" text '^Hod$' focused && [ "$(ui_field 4 "$W" text '^Hod$')" = 99 ] &&
            ui_has "$W" "radio button" '^v nastaveném čase$' checked ||
            e2e_fail "a $press press on '${target#*|}' changed the focus, the field or the mode"
    done
done

# A countdown of 30 s (0, 00, 30 and "po uplynutí času"), the focus clicked into a field,
# started by F2, the toolbar or the menu, paused with Storno ("Pauza"), resumed with OK and
# stopped with F4: the pause holds the time still to run, the stop keeps it.
enter_field Hod 0 && enter_field Min 00 && enter_field Sec 30 && xdotool key Tab
chord ctrl p
ui_wait "$W" label '^0:00:30$' showing || e2e_fail "the display does not show the period 0:00:30"
for row in "Sec|F2" "Hod|toolbar" "Min|menu"; do
    field=${row%%|*} how=${row#*|}
    e2e_log "start by $how, the focus in $field"
    focus_field "$field"
    case $how in
    F2) xdotool key F2 ;;
    toolbar) ui_click "$W" "push button" '^Start$' ;;
    menu) ui_click "$W" "menu item" '^Alarm$' && ui_wait "$W" "menu item" '^Start F2$' showing &&
        ui_click "$W" "menu item" '^Start F2$' ;;
    esac
    e2e_until 15 shown_below 28 || e2e_fail "the countdown started by $how does not run ($D)"
    ui_click "$W" "push button" '^Pauza$' || e2e_fail "no Pauza button"
    ui_wait "$W" "push button" '^OK$' enabled || e2e_fail "Pauza did not pause"
    held=$(run_display) && sleep 2.2
    [ "$(run_display)" = "$held" ] && [ "$(secs "$held")" -lt 28 ] ||
        e2e_fail "the pause of a run started by $how shows $held, then $(run_display)"
    ui_click "$W" "push button" '^OK$'
    e2e_until 15 shown_below "$(secs "$held")" || e2e_fail "OK did not resume from $held ($D)"
    xdotool key F4
    ui_wait "$W" "push button" '^Storno$' || e2e_fail "F4 did not stop"
    left=$(run_display)
    [ "$(secs "$left")" -lt "$(secs "$held")" ] ||
        e2e_fail "the stop shows $left, not the time still to run below $held"
done

# The stopwatch resumes from its paused value, not from its start value (0:00:30).
chord ctrl o && focus_field Sec && xdotool key F2
e2e_until 15 shown_above 32 || e2e_fail "the stopwatch does not count up from 0:00:30 ($D)"
ui_click "$W" "push button" '^Pauza$' && ui_wait "$W" "push button" '^OK$' enabled
held=$(run_display) && sleep 2.2
[ "$(run_display)" = "$held" ] && [ "$(secs "$held")" -gt 32 ] ||
    e2e_fail "the paused stopwatch shows $held, then $(run_display)"
ui_click "$W" "push button" '^OK$'
e2e_until 15 shown_above "$(secs "$held")" || e2e_fail "the stopwatch did not resume from $held ($D)"

# A key release acts only where its press went. The About box closed with Escape during the
# run: the window is not minimised (the window's own Escape during a run).
ui_click "$W" "push button" '^O aplikaci$' || e2e_fail "no toolbar button 'O aplikaci'"
ui_wait "$BOX" "push button" '^OK$' focused || e2e_fail "the toolbar button showed no About box"
xdotool key Escape
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Escape did not close the About box"
sleep 1
unmapped $MAIN_WIN && e2e_fail "Escape in the About box minimised the main window"
# The stopwatch's report "Čas …" closed with Enter: the focus stays in the hours field (the
# field's Enter moves it on to the minutes).
xdotool key F4
ui_wait "$BOX" label '^Čas 0:00:[0-9][0-9]$' showing || e2e_fail "F4 gave no report 'Čas …'"
xdotool key Return
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Enter did not close the report"
sleep 1
ui_check "$W" text '^Hod$' focused || e2e_fail "the focus is not in the hours field after the report"

# The toolbar's help topic returns to the toolbar's own after a right press on a button,
# although the release goes to the help pop-up: with Shift+F1, a click on the toolbar shows
# the same help before and after (told apart by the pop-up's size).
popup_size() { local id && id=$(popup_window) && e2e_window_size $id; } # "W H"
help_size() { # of the help shown by $1 ("what": Shift+F1 and a click) at $2 $3
    [ "$1" = what ] && xdotool key shift+F1 && sleep 0.3
    xdotool mousemove "$2" "$3" click $([ "$1" = what ] && echo 1 || echo 3)
    e2e_until 10 popup || e2e_fail "no help shown by $1 at $2 $3"
    popup_size && xdotool key shift && e2e_until 10 eval '! popup'
}
read -r x y w h <<<"$(ui_read && ui_field 7 "$W" "tool bar" '' showing)"
toolbar=$(help_size what $((x + w - 10)) $((y + h / 2)))
read -r x y w h <<<"$(ui_field 7 "$W" "push button" '^Text alarmu$' showing)"
button=$(help_size right $((x + w / 2)) $((y + h / 2)))
[ "$button" != "$toolbar" ] || e2e_fail "the toolbar's and a button's help look alike ($button)"
read -r x y w h <<<"$(ui_read && ui_field 7 "$W" "tool bar" '' showing)"
again=$(help_size what $((x + w - 10)) $((y + h / 2)))
[ "$again" = "$toolbar" ] || e2e_fail "after a right press the toolbar shows a button's help ($again, not $toolbar)"

# A countdown of 0:00:00 started by F2 held down until its alarm window has opened, X
# repeating the key into it: F2's release leaves the alarm open; a key pressed and released
# in the alarm window closes it.
enter_field Sec 00 && xdotool key Tab && chord ctrl p
ui_wait "$W" label '^0:00:00$' showing || e2e_fail "the display does not show the period 0:00:00"
xdotool keydown F2
e2e_until 20 find_window '^Alarm$' || e2e_fail "no alarm window"
sleep 1 && xdotool keyup F2 && sleep 1
unmapped $WIN && e2e_fail "the release of F2 pressed before the alarm closed the alarm window"
xdotool key x
e2e_until 20 unmapped $WIN || e2e_fail "a key pressed in the alarm window did not close it"
stop_program

# Without the toolbar the strip with the text box comes into view over the panel for the
# edit: a click on the box reaches it.
start_program NOBAR
chord ctrl t
ui_wait "$W" "combo box" '' focused showing || e2e_fail "Ctrl+T did not open the text edit (NOBAR)"
chord ctrl h
ui_wait "$W" text '^Hod$' focused || e2e_fail "Ctrl+H did not move the focus to the hours"
ui_click "$W" "combo box" '' || e2e_fail "no text box to click"
ui_wait "$W" "combo box" '' focused || e2e_fail "a click on the text box did not reach it (NOBAR)"
e2e_log ok
