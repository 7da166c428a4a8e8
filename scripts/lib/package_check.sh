# The installed package's program, started as its menu entry starts it, under the private
# session of tests/e2e/harness.sh (run by scripts/package-test.sh):
#   tests/e2e/harness.sh scripts/lib/package_check.sh /usr/bin/tikanda
# Its window appears, its settings point at the installed alarm sound, its help viewer
# shows the installed help file rather than the "not available" page, and a run loads
# the installed sound module.
source "$E2E_LIB"

desktop=/usr/share/applications/tikanda.desktop
datadir=/usr/share/tikanda

# Start the program the way the menu does: the Exec line of the installed entry.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
read -r exec_cmd exec_args <<<"$exec_line"
exec_args=$(sed 's/%[fFuUdDnNickvm]//g' <<<"${exec_args:-}")
TIKANDA=$(command -v "$exec_cmd") || e2e_fail "the menu entry's command '$exec_cmd' is not on PATH"
TIKANDA=$(realpath "$TIKANDA")
e2e_log "menu entry runs $TIKANDA"
[ "$TIKANDA" = /usr/bin/tikanda ] || e2e_fail "the menu entry runs $TIKANDA, not /usr/bin/tikanda"

# shellcheck disable=SC2086 # the entry's arguments, if any, are separate words
e2e_start $exec_args
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "the main window 'Tikanda 1.3' did not appear"
read -r width height < <(e2e_window_size "$main")
e2e_log "main window ${width}x${height}"

# The factory sound of the [Default] section is the installed file.
settings=$(e2e_settings_file)
for ((i = 0; i < 50; i++)); do
    grep -q '^WAV=' "$settings" 2>/dev/null && break
    sleep 0.1
done
wav=$(awk -F= '/^\[/ {section = $0} section == "[Default]" && $1 == "WAV" {sub(/^WAV=/, ""); print}' \
    "$settings" 2>/dev/null)
e2e_log "[Default] WAV=$wav"
[ "$wav" = "$datadir/CILILINK.WAV" ] || e2e_fail "[Default] WAV is '$wav', not $datadir/CILILINK.WAV"
[ -s "$wav" ] || e2e_fail "$wav does not exist"
file -b "$wav" | grep -q 'WAVE audio' || e2e_fail "$wav is not a wave file: $(file -b "$wav")"

# F1 opens the help viewer at the contents of the help file. The contents page is a list
# of links (drawn in the palette's link colour) down the whole window; the page shown when
# the file is missing is a heading and one line, without links.
e2e_activate "$main" && xdotool key F1
help=$(e2e_wait_window '^Nápověda – Tikanda$') || e2e_fail "F1 did not open the help viewer"
sleep 1
shot="$E2E_DIR/help.png"
e2e_screenshot "$help" "$shot"
read -r hw hh < <(identify -format '%w %h\n' "$shot" | head -n 1)
# The text area: the lower three quarters, below the buttons and the page's heading.
ah=$((hh * 3 / 4))
area=(-crop "${hw}x${ah}+0+$((hh - ah))" +repage -alpha off)
# Pixels of the link colour (pure blue, and its anti-aliased edges)...
links=$(convert "$shot" "${area[@]}" -fuzz 25% -fill '#ff0000' -opaque '#0000ff' -fuzz 0 \
    -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' -format '%[fx:round(mean*w*h)]' info:)
# ...and rows of pixels with dark text on them.
ink_rows=$(convert "$shot" "${area[@]}" -colorspace gray -threshold 50% -scale "1x${ah}!" \
    -threshold 99% -format '%[fx:round((1-mean)*h)]' info:)
e2e_log "help viewer ${hw}x${hh}: ${links:-?} link-coloured pixels, ${ink_rows:-?} rows with text"
[ "${links:-0}" -ge 200 ] || e2e_fail "the help viewer shows no links: help file not found?"
[ "${ink_rows:-0}" -ge $((ah / 3)) ] || e2e_fail "the help viewer shows little text: help file not found?"

# The sound module is loaded from the package's library folder once a run with the sound
# on starts (Ctrl+Z, F2), which preloads the alarm sound.
module=$(dpkg -L tikanda | grep '/libtikanda_sound\.so$') || e2e_fail "the package has no sound module"
e2e_activate "$main"
xdotool key ctrl+z F2
e2e_until 10 grep -qF "$module" "/proc/$TIKANDA_PID/maps" ||
    e2e_fail "the program did not load $module: $(tail -n 3 "$E2E_DIR/tikanda.log")"
e2e_log "sound module loaded: $module"
xdotool key F4

# Ctrl+Alt+F4 ends the program at once (chord: pressed and let go as a hand does).
e2e_activate "$main"
chord ctrl alt F4
e2e_wait_exit || e2e_fail "the program did not end on Ctrl+Alt+F4"
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
e2e_log "ok"
