# The main window's scenarios in three runs on one settings file: Ctrl+Alt+F4; the alarm of a
# countdown, the stopwatch and an edited alarm text; the text after a restart, the analog face
# and a panel colour.
source "$E2E_LIB"
settings=$(e2e_settings_file)
text="Čaj je hotový – ťuk ťuk"

start_program
chord ctrl alt F4
e2e_wait_exit || e2e_fail "the program did not end on Ctrl+Alt+F4"
grep -q '^\[User\]' "$settings" && e2e_fail "Ctrl+Alt+F4 saved a [User] group"

# A countdown of 3 s with the sound on (Ctrl+Z) typed into the fields (Enter moves on from
# the hours, which have the focus), mode "po uplynutí času" (Ctrl+P), Start (F2).
start_program
xdotool key --delay 50 ctrl+z 0 Return 0 0 Return 0 3 ctrl+p
ui_wait "$MAIN" label '^0:00:03$' showing || e2e_fail "the display does not show the period 0:00:03"
e2e_record_start
xdotool key F2
e2e_until 20 find_window '^Alarm$' || e2e_fail "no alarm window"
stack=" $(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tr '\n' ' ')"
[[ $stack == *" $(printf 0x%x $MAIN_WIN) "*"$(printf 0x%x $WIN) "* ]] ||
    e2e_fail "the alarm window $WIN is not above the main window $MAIN_WIN ($stack)"
xprop -id $WIN _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || e2e_fail "the alarm is not kept above"
# Its own F16 presses each second leave it open.
ui_wait "$ALARM" label '^–0:00:(0[2-9]|[1-5][0-9])$' showing || e2e_fail "the alarm closed before 0:00:02"
e2e_record_stop
e2e_log "sound at the alarm: RMS $RMS"
greater "${RMS:-0}" 0.005 || e2e_fail "no sound on the null sink at the alarm"
xdotool key Escape
e2e_until 20 unmapped $WIN || e2e_fail "Escape did not close the alarm window"
ui_wait "$MAIN" text '^Hod$' focused enabled || e2e_fail "the focus is not back in the hours field"

xdotool key ctrl+o F2 # the stopwatch, stopped with F4, reports its time in a box
ui_wait "$MAIN" label '^0:00:0[1-9]$' showing || e2e_fail "the stopwatch does not count"
xdotool key F4
ui_wait "$BOX" label '^Čas 0:00:[0-5][0-9]$' showing || e2e_fail "F4 gave no report 'Čas …'"
xdotool key Return
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Enter did not close the report"

chord ctrl t # edits the alarm text, confirmed with Enter and saved on "Ano"
ui_wait "$MAIN" "combo box" '' focused showing || e2e_fail "Ctrl+T did not open the text edit"
type_text "$text" "$MAIN" text '^$' || e2e_fail "the text box did not take '$text'"
xdotool key Return
ui_wait "$MAIN" label "^$text\$" showing || e2e_fail "the display does not show the new text"
exit_with_ano
sed -n '/^\[User\]/,/^\[[^U]/p' "$settings" | grep -qx "Text=$text" || e2e_fail "no [User] Text=$text"

start_program
ui_has "$MAIN" label "^$text\$" showing || e2e_fail "the restarted window does not show '$text'"
read -r px py pw ph <<<"$(ui_field 7 "$MAIN" frame '^Displej$')"
look() { # a screenshot of the panel; its background near the bottom, its share of silver
    SHOT="$E2E_DIR/$1.png" && e2e_screenshot root "$SHOT" "$px $py $pw $ph"
    BG=$(pixel "$SHOT" $((pw / 2)) $((ph - 7))) && SILVER=$(colour_share "$SHOT" '#c0c0c0')
    e2e_log "$1: background #$BG, silver $SILVER"
}
look digital
greater "$SILVER" 0.02 && e2e_fail "silver on the digital face"
xdotool key ctrl+a
analog() { look analog && greater "$SILVER" 0.08; }
e2e_until 10 analog || e2e_fail "no silver dial on the analog face"

# "Nastavení barvy…" from the dial's pop-up menu, #ff8000 in the colour dialog: the panel's
# background, stored on exit as 0xBBGGRR in decimal (0x0080FF = 33023).
choose_panel_colour '#ff8000' || e2e_fail "the colour dialog did not take #ff8000"
recoloured() { look recoloured && [ "$BG" = FF8000 ]; }
e2e_until 20 recoloured || e2e_fail "the panel is #$BG after choosing #ff8000"
exit_with_ano
grep -qx 'ColGreen=33023' "$settings" || e2e_fail "the settings do not hold ColGreen=33023"
e2e_log ok
