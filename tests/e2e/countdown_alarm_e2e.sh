# A countdown of three seconds, typed and started from the keyboard, ends in the alarm:
# the frameless alarm window opens above the main window with the alarm text, the sound
# reaches the sound server, the window's own F16 presses do not close it, Escape does,
# and the main window is stopped again with the focus in the hours field.
source "$(dirname "${BASH_SOURCE[0]}")/ui_lib.sh"

start_program
W=$MAIN

# A first run has the sound off: Ctrl+Z (menu "Zvuk") switches it on.
ui_has "$W" "check box" '^Zvukový alarm$' '!checked' || e2e_fail "the sound is on at a first run"
xdotool key ctrl+z
ui_wait "$W" "check box" '^Zvukový alarm$' checked || e2e_fail "Ctrl+Z did not switch the sound on"

# The hours field has the focus at start; Enter moves on from field to field, then from
# the seconds to the mode's option button; Ctrl+P chooses "po uplynutí času".
ui_has "$W" text '^Hod$' focused || e2e_fail "the hours field has no focus at start"
xdotool type --delay 50 0
xdotool key Return
xdotool type --delay 50 00
xdotool key Return
xdotool type --delay 50 03
xdotool key Return ctrl+p
ui_wait "$W" "radio button" '^po uplynutí času$' checked focused ||
    e2e_fail "Ctrl+P did not choose the countdown"
[ "$(ui_field "$W" label '^Alarm za:$' 3)" = "Alarm za:" ] || e2e_fail "no caption 'Alarm za:'"
[ "$(display_value)" = 0:00:03 ] ||
    e2e_fail "the display shows $(display_value), not the period 0:00:03"

# Enter on the option button moves to OK; the next Enter starts.
xdotool key Return
ui_wait "$W" "push button" '^OK$' focused || e2e_fail "Enter on the option did not move to OK"
e2e_record_start "$E2E_DIR/alarm.wav"
xdotool key Return

# The alarm window: a further window of the program, 280 x 168, without a title bar.
# (The run itself is not looked at: on a slow machine it may be over before a first look.)
find_alarm_window() {
    local id w h
    for id in $(other_windows); do
        read -r w h < <(e2e_window_size "$id")
        [ "$w" = 280 ] && [ "$h" = 168 ] && ALARM_WIN=$id && return 0
    done
    return 1
}
e2e_until 20 find_alarm_window || e2e_fail "no alarm window within 20 s"
e2e_log "alarm window $ALARM_WIN"
alarm_hex=$(printf '0x%x' "$ALARM_WIN")
e2e_until 10 bash -c "xprop -root _NET_ACTIVE_WINDOW | grep -qi '$alarm_hex\$'" ||
    e2e_fail "the alarm window did not get the focus"
ui_wait "$ALARM" label '^Budíček!$' showing ||
    e2e_fail "the alarm window does not show the alarm text"
ui_has "$ALARM" label '^Alarm vyhlášen:$' showing || e2e_fail "no 'Alarm vyhlášen:' caption"
announced=$(ui_field "$ALARM" label '^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$' 3)
[ -n "$announced" ] || e2e_fail "no announcement time hh:mm:ss in the alarm window"
[ "$(display_value)" = 0:00:00 ] ||
    e2e_fail "the display reads $(display_value) at the alarm, not 0:00:00"

# Above the main window: later in the stacking order, and kept above by the window manager.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x')
pos_main=$(grep -n -x "$(printf '0x%x' "$MAIN_WIN")" <<<"$stacking" | cut -d: -f1)
pos_alarm=$(grep -n -x "$(printf '0x%x' "$ALARM_WIN")" <<<"$stacking" | cut -d: -f1)
{ [ -n "$pos_main" ] && [ -n "$pos_alarm" ]; } || e2e_fail "windows missing from the stacking list"
[ "$pos_alarm" -gt "$pos_main" ] || e2e_fail "the alarm window is below the main window"
xprop -id "$ALARM_WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    e2e_fail "the alarm window is not kept above others"
xprop -id "$ALARM_WIN" _MOTIF_WM_HINTS | grep -q '0x2, 0x1, 0x0' ||
    e2e_fail "the alarm window has window decorations"
read -r ax ay _ < <(xwininfo -id "$ALARM_WIN" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} END {print x, y}')
shot alarm-window "$ax $ay 280 168"

# The elapsed time counts on, and the window's own F16 key presses each second leave it
# open: wait for two seconds elapsed.
e2e_until 20 ui_check "$ALARM" label '^–0:00:(0[2-9]|[1-5][0-9])$' showing ||
    e2e_fail "the elapsed time does not count up to –0:00:02"
find_alarm_window || e2e_fail "the alarm window closed by itself"

e2e_record_stop
rms=$(e2e_rms "$E2E_DIR/alarm.wav")
e2e_log "sound at the alarm: RMS $rms"
greater "${rms:-0}" 0.005 || e2e_fail "no sound on the sink at the alarm (RMS ${rms:-none})"

# Escape dismisses the alarm; the main window is stopped, titled as usual, with the focus
# in the hours field.
xdotool key Escape
e2e_until 20 bash -c "! xwininfo -id $ALARM_WIN 2>/dev/null | grep -q IsViewable" ||
    e2e_fail "Escape did not close the alarm window"
ui_wait "$W" "push button" '^OK$' enabled || e2e_fail "OK is not enabled after the alarm"
ui_has "$W" "push button" '^Storno$' enabled showing || e2e_fail "Storno does not read 'Storno'"
UI_DESC='^Start$' ui_has "$W" "push button" '^Start$' enabled ||
    e2e_fail "toolbar Start is not enabled"
UI_DESC='^Pauza$' ui_has "$W" "push button" '^Pauza$' '!enabled' ||
    e2e_fail "toolbar Pauza is enabled"
UI_DESC='^Stop$' ui_has "$W" "push button" '^Stop$' '!enabled' || e2e_fail "toolbar Stop is enabled"
ui_has "$W" "radio button" '^po uplynutí času$' enabled checked ||
    e2e_fail "the mode options are not enabled again"
[ "$(xdotool getwindowname "$MAIN_WIN")" = "$MAIN_TITLE" ] ||
    e2e_fail "the title is not '$MAIN_TITLE'"
[ "$(ui_focus "$W")" = "text:Hod" ] ||
    e2e_fail "the focus is in $(ui_focus "$W"), not the hours field"
xdotool type 5
e2e_until 10 ui_text_is "$W" text '^Hod$' 5 || e2e_fail "a typed 5 did not land in the hours field"
shot main-after-alarm "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
e2e_log "ok"
