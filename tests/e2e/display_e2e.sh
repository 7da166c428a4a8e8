# The display panel on the screen: the digital face on the classic teal; Ctrl+A brings the
# analog dial (a silver disc); a right click on the dial opens the pop-up menu, whose
# "Nastavení barvy…" opens the colour dialog, and the colour typed there becomes the
# panel's background at once; the pop-up's face item returns to the digital face; the
# orderly exit stores the colour. Screenshots are kept (their paths are printed).
source "$(dirname "${BASH_SOURCE[0]}")/ui_lib.sh"
W=$MAIN
SILVER='#c0c0c0'

start_program
PANEL=$(ui_field "$W" frame '^Displej$' 7)
read -r px py pw ph <<<"$PANEL"
{ [ "${pw:-0}" -gt 20 ] && [ "${ph:-0}" -gt 60 ]; } ||
    e2e_fail "no display panel on the screen ($PANEL)"

# Screenshots the panel as $1; sets BG to the colour of a background pixel near its
# bottom (below the alarm text) and SILVER_SHARE to the share of silver pixels.
look() {
    shot "$1" "$PANEL"
    BG=$(pixel "$SHOT" $((pw / 2)) $((ph - 7)))
    SILVER_SHARE=$(colour_share "$SHOT" "$SILVER")
    e2e_log "$1: background #$BG, silver share $SILVER_SHARE"
}
bg_is() { look "$2" && [ "$BG" = "$1" ]; }

look display-digital
[ "$BG" = 008080 ] || e2e_fail "the panel background is #$BG, not the desktop teal #008080"
greater "$SILVER_SHARE" 0.02 && e2e_fail "silver on the digital face"
ui_has "$W" label '^Čas:$' showing || e2e_fail "no 'Čas:' label on the digital face"
digital=$SHOT

# Ctrl+A: the analog face; the time labels go, the dial comes.
xdotool key ctrl+a
ui_wait "$W" label '^Čas:$' '!showing' || e2e_fail "Ctrl+A left the digital labels"
ui_has "$W" label '^Budíček!$' showing || e2e_fail "the alarm text is not shown on the analog face"
dial_shown() { look display-analog && greater "$SILVER_SHARE" 0.08; }
e2e_until 10 dial_shown || e2e_fail "no silver dial on the analog face (share $SILVER_SHARE)"
difference=$(compare -metric AE "$digital" "$SHOT" null: 2>&1)
greater "${difference%% *}" 500 ||
    e2e_fail "the analog face differs from the digital one in $difference pixels only"

# A right click on the dial: the pop-up menu, a window of its own.
popup_window() { POPUP=$(popup_windows | head -n 1); [ -n "$POPUP" ]; }
xdotool mousemove $((px + pw / 2)) $((py + ph * 3 / 10)) click 3
e2e_until 20 popup_window || e2e_fail "a right click on the dial opened no pop-up menu"
read -r mx my mw mh < <(xwininfo -id "$POPUP" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
shot popup-menu "$mx $my $mw $mh"
# Two items: the face switch, then "Nastavení barvy…".
xdotool mousemove $((mx + mw / 2)) $((my + mh * 3 / 4)) click 1

# The colour dialog; the colour goes in through its HTML field.
dialog_up() {
    ui_read && DIALOG=$(awk -F'\t' '$2 == "dialog" && $6 ~ /showing/ {print $1; exit}' "$E2E_UI") &&
        [ -n "$DIALOG" ]
}
e2e_until 20 dialog_up || e2e_fail "'Nastavení barvy…' opened no colour dialog"
e2e_log "colour dialog '$DIALOG'"
ui_click "$DIALOG" text '^HTML:$' || e2e_fail "no HTML field in the colour dialog"
type_text '#ff8000' "$DIALOG" text '^HTML:$' || e2e_fail "the HTML field did not take #ff8000"
shot colour-dialog "$(ui_field "$DIALOG" dialog '' 7)"
ui_click "$DIALOG" "push button" '^OK$' || e2e_fail "no OK button in the colour dialog"
e2e_until 20 ui_gone "$DIALOG" dialog '' || e2e_fail "OK did not close the colour dialog"
e2e_until 10 bg_is FF8000 display-recoloured ||
    e2e_fail "the panel background is #$BG after choosing #ff8000"
greater "$SILVER_SHARE" 0.08 || e2e_fail "the dial is gone after recolouring"

# The pop-up's first item now brings the digital face back; the colour stays.
xdotool mousemove $((px + pw / 2)) $((py + ph * 3 / 10)) click 3
e2e_until 20 popup_window || e2e_fail "the second right click opened no pop-up menu"
read -r mx my mw mh < <(xwininfo -id "$POPUP" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
xdotool mousemove $((mx + mw / 2)) $((my + mh / 4)) click 1
ui_wait "$W" label '^Čas:$' showing || e2e_fail "the pop-up's face item did not return to digital"
e2e_until 10 bg_is FF8000 display-digital-recoloured || e2e_fail "the colour changed with the face"
greater "$SILVER_SHARE" 0.02 && e2e_fail "silver left on the digital face"

# The orderly exit stores the colour as 0xBBGGRR in decimal: 0x0080FF = 33023.
ui_click "$W" "push button" '^Storno$' || e2e_fail "no Storno button to click"
ui_wait "$BOX" "push button" '^Ne$' focused || e2e_fail "Storno did not ask to exit"
xdotool key shift+Tab
ui_wait "$BOX" "push button" '^Ano$' focused || e2e_fail "Shift+Tab did not reach 'Ano'"
xdotool key Return
e2e_wait_exit || e2e_fail "the program did not end after 'Ano'"
grep -qx 'ColGreen=33023' "$(e2e_settings_file)" ||
    e2e_fail "the settings do not hold ColGreen=33023"
e2e_log "ok"
