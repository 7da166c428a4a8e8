# The stopwatch: started from the keyboard it counts up; Storno pauses it (the display
# stands still), Storno again stops it and a message box titled "Tikanda 1.3" reports the
# time held; the stop is silent even with the sound on; Enter closes the box and the
# window is stopped. A second run stopped with F4 and its box closed with the mouse
# leaves the focus in the hours field.
source "$(dirname "${BASH_SOURCE[0]}")/ui_lib.sh"

start_program
W=$MAIN

# The sound on, to show that stopping the stopwatch plays nothing.
xdotool key ctrl+z
ui_wait "$W" "check box" '^Zvukový alarm$' checked || e2e_fail "Ctrl+Z did not switch the sound on"

# Ctrl+O chooses the stopwatch; Enter on its option moves to OK, Enter starts.
xdotool key ctrl+o
ui_wait "$W" "radio button" '^stopky$' checked focused ||
    e2e_fail "Ctrl+O did not choose the stopwatch"
ui_has "$W" label '^Stopky:$' showing || e2e_fail "no caption 'Stopky:'"
xdotool key Return
ui_wait "$W" "push button" '^OK$' focused || e2e_fail "Enter on the option did not move to OK"
xdotool key Return

# Running: OK disabled, Storno reads "Pauza", the entry fields are locked.
ui_wait "$W" "push button" '^OK$' '!enabled' || e2e_fail "the stopwatch did not start"
UI_DESC='^Pozastaví stopky$' ui_has "$W" "push button" '^Pauza$' enabled showing ||
    e2e_fail "Storno does not read 'Pauza' with the tooltip 'Pozastaví stopky'"
ui_has "$W" text '^Hod$' '!enabled' || e2e_fail "the hours field is enabled during the run"
UI_DESC='^Start$' ui_has "$W" "push button" '^Start$' '!enabled' || e2e_fail "toolbar Start enabled"
UI_DESC='^Stop$' ui_has "$W" "push button" '^Stop$' enabled || e2e_fail "toolbar Stop disabled"

e2e_until 20 display_matches '^0:00:(0[3-9]|[1-5][0-9])$' ||
    e2e_fail "the stopwatch did not count up to 0:00:03"
shot stopwatch-running "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"

# Storno (Pauza) with the mouse: paused, the value held.
UI_DESC='^Pozastaví stopky$' ui_click "$W" "push button" '^Pauza$' ||
    e2e_fail "no Pauza button to click"
UI_DESC='^Ukončí odpočet$' ui_wait "$W" "push button" '^Stop$' enabled showing ||
    e2e_fail "after the pause Storno does not read 'Stop'"
ui_has "$W" "push button" '^OK$' enabled || e2e_fail "OK is not enabled while paused"
held=$(display_value)
[[ $held == 0:00:0[3-9] || $held == 0:00:[1-5][0-9] ]] || e2e_fail "the display reads '$held'"
sleep 2 # the display must stand still for a while
ui_read
held_later=$(display_value)
[ "$held_later" = "$held" ] || e2e_fail "the paused stopwatch moved from $held to $held_later"
e2e_log "paused at $held"

# Storno (Stop): the report, no sound.
e2e_record_start "$E2E_DIR/stop.wav"
UI_DESC='^Ukončí odpočet$' ui_click "$W" "push button" '^Stop$' ||
    e2e_fail "no Stop button to click"
ui_wait "$BOX" label "^Čas $held\$" showing || e2e_fail "no message box 'Čas $held'"
[ "$(e2e_count_windows "^${MAIN_TITLE//./\\.}\$")" -eq 2 ] ||
    e2e_fail "the message box is not titled '$MAIN_TITLE'"
shot stopwatch-report "$(ui_field "$BOX" alert "^$MAIN_TITLE\$" 7)"
xdotool key Return
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Enter did not close the message box"
e2e_record_stop
rms=$(e2e_rms "$E2E_DIR/stop.wav")
greater "${rms:-1}" 0.005 && e2e_fail "stopping the stopwatch made a sound (RMS $rms)"
[ -z "$(other_windows)" ] || e2e_fail "another window is open after the stop: $(other_windows)"

# (The release of that Enter reaches the hours field, where a released Enter moves the
# focus on; the focus is looked at after the second run.)
ui_wait "$W" "push button" '^OK$' enabled || e2e_fail "OK is not enabled after the stop"
ui_has "$W" "push button" '^Storno$' enabled showing || e2e_fail "Storno does not read 'Storno'"
[ "$(display_value)" = 0:00:00 ] || e2e_fail "the display reads $(display_value), not 0:00:00"
ui_has "$W" text '^Hod$' enabled || e2e_fail "the entry fields are still locked"

# A second run, stopped from the running state by F4 (menu Stop); the box closed with a
# mouse click leaves the focus in the hours field.
ui_click "$W" "push button" '^OK$' || e2e_fail "no OK button to click"
e2e_until 20 display_matches '^0:00:(0[1-9]|[1-5][0-9])$' ||
    e2e_fail "the second run does not count"
xdotool key F4
ui_wait "$BOX" label '^Čas 0:00:(0[1-9]|[1-5][0-9])$' showing ||
    e2e_fail "F4 gave no report 'Čas 0:00:0…'"
ui_click "$BOX" "push button" '^OK$' || e2e_fail "no OK button in the message box"
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "a click on OK did not close the message box"
e2e_until 20 display_matches '^0:00:00$' || e2e_fail "the display reads $(display_value) after F4"
[ "$(ui_focus "$W")" = "text:Hod" ] ||
    e2e_fail "the focus is in $(ui_focus "$W"), not the hours field"
e2e_log "ok"
