# The real program starts, its main window appears at its size, looks like something in
# a screenshot, writes its standard settings, and closes through the exit question.
source "$E2E_LIB"

e2e_start
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "the main window did not appear"
read -r width height < <(e2e_window_size "$main")
e2e_log "main window ${width}x${height}"
# Client area 272 x 234 below the menu bar.
[ "$width" -eq 272 ] || e2e_fail "window width $width, expected 272"
menubar=$((height - 234))
[ "$menubar" -ge 15 ] && [ "$menubar" -le 40 ] ||
    e2e_fail "window height $height: not 234 plus a menu bar"

e2e_screenshot "$main" "$E2E_DIR/main.png"
read -r sw sh colours < <(e2e_image_info "$E2E_DIR/main.png")
[ "$sw" -eq "$width" ] && [ "$sh" -eq "$height" ] || e2e_fail "screenshot is ${sw}x${sh}"
[ "$colours" -ge 8 ] || e2e_fail "screenshot has only $colours colours: nothing drawn?"

settings=$(e2e_settings_file)
grep -q '^\[Default\]' "$settings" 2>/dev/null || e2e_fail "no [Default] section in $settings"

# Closing the window asks "Ukončit program?" with "Ne" the default; Shift+Tab moves to
# "Ano" and Return presses it.
e2e_keys "$main" alt+F4
for ((i = 0; i < 50 && $(e2e_count_windows '^Tikanda 1\.3$') < 2; i++)); do sleep 0.1; done
[ "$(e2e_count_windows '^Tikanda 1\.3$')" -ge 2 ] || e2e_fail "closing did not ask first"
box=$(xdotool getactivewindow)
e2e_keys "$box" shift+Tab Return
e2e_wait_exit || e2e_fail "the program did not end after 'Ano'"
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
grep -q '^\[User\]' "$settings" || e2e_fail "the orderly exit did not save [User]"
e2e_log "ok"
