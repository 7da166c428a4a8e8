# The command-line switches trim the main window: NOMENU takes the menu bar away (20 px),
# NOBAR moves the toolbar out of view and the panel up (28 px), both together 48 px; the
# words count in any letter case and inside longer words. NOSOUND keeps the sound
# commands disabled. Without menus, F2/F4 and Ctrl+T still act through the window's keys.
source "$(dirname "${BASH_SOURCE[0]}")/ui_lib.sh"
W=$MAIN

# Starts the program with the arguments given; sets WIDTH, HEIGHT (client area) and
# PANEL_TOP (the display panel's top below the client area's top).
run_with() {
    start_program "$@"
    read -r WIDTH HEIGHT < <(e2e_window_size "$MAIN_WIN")
    local wy py
    read -r _ wy _ <<<"$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
    read -r _ py _ <<<"$(ui_field "$W" frame '^Displej$' 7)"
    PANEL_TOP=$((py - wy))
    e2e_log "[$*] client area ${WIDTH}x$HEIGHT, panel at $PANEL_TOP"
    [ "$WIDTH" -eq 272 ] || e2e_fail "[$*] width $WIDTH, expected 272"
}

# Ends the program started last.
stop_program() {
    kill "$TIKANDA_PID" 2>/dev/null
    wait "$TIKANDA_PID" 2>/dev/null
}

# True when the last reading shows the object (window $1, role $2, name $3) on the screen:
# showing, with a size, and not placed far outside the window.
on_screen() {
    local x
    ui_has "$1" "$2" "$3" showing || return 1
    read -r x _ <<<"$(ui_field "$1" "$2" "$3" 7)"
    [ "${x:-0}" -gt 0 ]
}

# True when the last reading has the object, but not on the screen.
hidden() { [ -n "$(ui_get "$1" "$2" "$3")" ] && ! on_screen "$@"; }

run_with
full=$HEIGHT
full_panel=$PANEL_TOP
on_screen "$W" "menu bar" '' || e2e_fail "no menu bar in the normal layout"
on_screen "$W" "tool bar" '' || e2e_fail "no toolbar in the normal layout"
shot layout-normal "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
stop_program

run_with NOMENU
[ $((full - HEIGHT)) -eq 20 ] || e2e_fail "NOMENU: $((full - HEIGHT)) px lower, expected 20"
hidden "$W" "menu bar" '' || e2e_fail "NOMENU: the menu bar is still shown"
on_screen "$W" "tool bar" '' || e2e_fail "NOMENU: the toolbar is gone"
shot layout-nomenu "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
stop_program

run_with NOBAR
[ $((full - HEIGHT)) -eq 28 ] || e2e_fail "NOBAR: $((full - HEIGHT)) px lower, expected 28"
[ $((full_panel - PANEL_TOP)) -eq 28 ] ||
    e2e_fail "NOBAR: the panel moved $((full_panel - PANEL_TOP)) px"
on_screen "$W" "menu bar" '' || e2e_fail "NOBAR: the menu bar is gone"
hidden "$W" "tool bar" '' || e2e_fail "NOBAR: the toolbar is still in view"
shot layout-nobar "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
stop_program

# Lower case, in one argument, inside other words.
run_with "xnomenux,nobar!"
[ $((full - HEIGHT)) -eq 48 ] || e2e_fail "NOMENU+NOBAR: $((full - HEIGHT)) px lower, expected 48"
[ $((full_panel - PANEL_TOP)) -eq 48 ] ||
    e2e_fail "NOMENU+NOBAR: the panel moved $((full_panel - PANEL_TOP)) px"
hidden "$W" "menu bar" '' || e2e_fail "NOMENU+NOBAR: the menu bar is still shown"
hidden "$W" "tool bar" '' || e2e_fail "NOMENU+NOBAR: the toolbar is still in view"
shot layout-nomenu-nobar "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
# Without menus the window serves F2 (start) and F4 (stop) itself: a time-of-day run, to
# an hour far from now.
xdotool type "$(((10#$(date +%H) + 12) % 24))"
xdotool key F2
ui_wait "$W" "push button" '^OK$' '!enabled' || e2e_fail "menu-less F2 did not start a run"
UI_DESC='^Ukončí odpočet$' ui_has "$W" "push button" '^Stop$' enabled showing ||
    e2e_fail "Storno does not read 'Stop' in mode V"
xdotool key F4
ui_wait "$W" "push button" '^OK$' enabled || e2e_fail "menu-less F4 did not stop the run"
# Ctrl+T edits the alarm text: the toolbar, which holds the text box, comes into view for
# the edit and goes away again when Escape cancels it.
chord ctrl t
ui_wait "$W" "combo box" '' focused showing ||
    e2e_fail "menu-less Ctrl+T did not open the text edit"
on_screen "$W" "tool bar" '' || e2e_fail "the toolbar did not come into view for the edit"
xdotool key Escape
e2e_until 20 ui_gone "$W" "combo box" '' || e2e_fail "Escape did not close the text edit"
hidden "$W" "tool bar" '' || e2e_fail "the toolbar stayed in view after the edit"
stop_program

run_with NOSOUND
[ "$HEIGHT" -eq "$full" ] || e2e_fail "NOSOUND: height $HEIGHT, expected $full"
ui_has "$W" "check box" '^Zvukový alarm$' '!enabled' '!checked' ||
    e2e_fail "NOSOUND: 'Zvuk' enabled"
UI_DESC='^Výběr zvuku alarmu$' ui_has "$W" "push button" '' '!enabled' ||
    e2e_fail "NOSOUND: the sound file button is enabled"
ui_has "$W" "menu item" '^Zvuk Ctrl.Z$' '!enabled' || e2e_fail "NOSOUND: menu Zvuk enabled"
ui_has "$W" "menu item" '^Zvuk alarmu' '!enabled' || e2e_fail "NOSOUND: menu 'Zvuk alarmu…' enabled"
xdotool key ctrl+z
sleep 1 # nothing is to happen; give it the time to go wrong
ui_check "$W" "check box" '^Zvukový alarm$' '!checked' ||
    e2e_fail "NOSOUND: Ctrl+Z switched the sound on"
stop_program
e2e_log "ok"
