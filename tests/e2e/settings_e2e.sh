# Settings between runs: Storno while stopped asks "Ukončit program?" with "Ne" the
# default, and "Ne" keeps the program; Ctrl+Alt+F4 ends it at once and saves nothing; an
# alarm text with Czech letters, confirmed and followed by an orderly exit ("Ano"), is in
# the settings file and comes back in the restarted window.
source "$(dirname "${BASH_SOURCE[0]}")/ui_lib.sh"
W=$MAIN
settings=$(e2e_settings_file)
text="Čaj je hotový – ťuk ťuk"

# Prints the value of key $2 in group [$1] of the settings file.
setting() {
    awk -v g="[$1]" -v k="$2" '/^\[/ {in_group = ($0 == g); next}
        in_group && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}' "$settings"
}

# Clicks Storno and waits for the exit question.
ask_to_exit() {
    ui_click "$W" "push button" '^Storno$' || e2e_fail "no Storno button to click"
    ui_wait "$BOX" label '^Ukončit program\?$' showing ||
        e2e_fail "Storno did not ask 'Ukončit program?'"
    ui_has "$BOX" "push button" '^Ne$' focused || e2e_fail "'Ne' is not the default button"
}

# --- A first run: "Ne" keeps the program; Ctrl+Alt+F4 ends it without saving.
start_program
[ -f "$settings" ] || e2e_fail "no settings file after the start"
grep -q '^\[Default\]' "$settings" || e2e_fail "no [Default] group after the start"
xdotool key ctrl+z # a change that must not be saved
ui_wait "$W" "check box" '^Zvukový alarm$' checked || e2e_fail "Ctrl+Z did not switch the sound on"
ask_to_exit
xdotool key Return
e2e_until 20 ui_gone "$BOX" alert '' || e2e_fail "Enter ('Ne') did not close the question"
ui_check "$W" frame "^$MAIN_TITLE\$" showing || e2e_fail "'Ne' did not keep the main window"
ctrl_alt_f4
e2e_wait_exit || e2e_fail "Ctrl+Alt+F4 did not end the program"
e2e_log "Ctrl+Alt+F4: exit code $E2E_EXIT_CODE"
grep -q '^\[User\]' "$settings" && e2e_fail "Ctrl+Alt+F4 saved a [User] group"
grep -q '^\[Default\]' "$settings" || e2e_fail "the [Default] group is gone"

# --- Edit the alarm text (Ctrl+T), confirm with Enter, end with "Ano".
start_program
chord ctrl t
ui_wait "$W" "combo box" '' focused showing || e2e_fail "Ctrl+T did not open the text edit"
type_text "$text" "$W" text '^$' ||
    e2e_fail "the text box holds '$(ui_field "$W" text '^$' 4)', not '$text'"
ui_has "$W" text '^$' focused || e2e_fail "the text box lost the focus"
xdotool key Return
e2e_until 20 ui_gone "$W" "combo box" '' || e2e_fail "Enter did not end the text edit"
ui_has "$W" label "^$text\$" showing || e2e_fail "the display does not show the new alarm text"
[ "$(ui_field "$W" "push button" '^Text alarmu$' 5)" = "Text alarmu: $text" ] ||
    e2e_fail "the Text button's tooltip is '$(ui_field "$W" "push button" '^Text alarmu$' 5)'"
ask_to_exit
xdotool key shift+Tab
ui_wait "$BOX" "push button" '^Ano$' focused || e2e_fail "Shift+Tab did not reach 'Ano'"
xdotool key Return
e2e_wait_exit || e2e_fail "the program did not end after 'Ano'"
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "orderly exit with code $E2E_EXIT_CODE"
cp "$settings" "$E2E_SHOTS/RVTikanda.conf"
e2e_log "settings file kept as $E2E_SHOTS/RVTikanda.conf"
grep -q '^\[User\]' "$settings" || e2e_fail "the orderly exit saved no [User] group"
[ "$(setting User Text)" = "$text" ] || e2e_fail "[User] Text is '$(setting User Text)'"
[ "$(setting User Text1)" = "$text" ] || e2e_fail "[User] Text1 is '$(setting User Text1)'"
[ "$(setting User Text2)" = "Budíček!" ] || e2e_fail "[User] Text2 is '$(setting User Text2)'"
[ "$(setting User Zvuk)" = 0 ] || e2e_fail "[User] Zvuk is '$(setting User Zvuk)'"
[ "$(setting Default Text)" = "Budíček!" ] || e2e_fail "[Default] Text is '$(setting Default Text)'"

# --- The restart shows the saved text; Ctrl+Alt+F4 leaves the file as it was.
saved=$(cat "$settings")
start_program
ui_has "$W" label "^$text\$" showing || e2e_fail "the restarted window does not show '$text'"
[ "$(ui_field "$W" "push button" '^Text alarmu$' 5)" = "Text alarmu: $text" ] ||
    e2e_fail "after the restart the tooltip is '$(ui_field "$W" "push button" '^Text alarmu$' 5)'"
[ "$(ui_get "$W" "list item" '' | head -n 1 | cut -f3)" = "$text" ] ||
    e2e_fail "the text is not first in the list of alarm texts"
shot restarted "$(ui_field "$W" frame "^$MAIN_TITLE\$" 7)"
ctrl_alt_f4
e2e_wait_exit || e2e_fail "Ctrl+Alt+F4 did not end the program"
[ "$(cat "$settings")" = "$saved" ] || e2e_fail "Ctrl+Alt+F4 changed the settings file"
e2e_log "ok"
