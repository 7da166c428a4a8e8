# Helpers for the end-to-end tests (source "$E2E_LIB"): the program, its X windows, what a
# screen reader sees of it (a11y.py), keys, sound and pixels. Every wait has a time limit.
E2E_TIMEOUT=${E2E_TIMEOUT:-30}
HERE=$(dirname "$E2E_LIB")
PY=/usr/bin/python3 # the system Python has the AT-SPI bindings; a venv's may not
[ -x $PY ] || PY=python3
MAIN_TITLE="Tikanda 1.3"
MAIN="frame:$MAIN_TITLE" BOX="alert:$MAIN_TITLE" ALARM="filler:Alarm" # windows in ui_get

e2e_log() { echo "e2e: $*"; }
e2e_fail() {
    echo "e2e: FAIL: $*" >&2
    e2e_screenshot root "$E2E_DIR/failure-screen.png" 2>/dev/null
    exit 1
}
# Runs the command in the remaining arguments until it succeeds, for at most $1 seconds.
e2e_until() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.2
    done
}
e2e_settings_file() { echo "$XDG_CONFIG_HOME/RVTikanda.conf"; }

# Starts the program with the arguments given (TIKANDA_PID); the harness kills it if need be.
e2e_start() {
    "$TIKANDA" "$@" >>"$E2E_DIR/tikanda.log" 2>&1 &
    TIKANDA_PID=$!
    echo $TIKANDA_PID >>"$E2E_DIR/pids"
    e2e_log "started $(basename "$TIKANDA") $* (pid $TIKANDA_PID)"
}
# Starts it, waits for its main window on the screen (MAIN_WIN) and on the a11y bus.
start_program() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start "$@"
    MAIN_WIN=$(e2e_wait_window "^Tikanda 1\.3$") || e2e_fail "no main window"
    ui_wait "$MAIN" frame "^$MAIN_TITLE\$" showing || e2e_fail "no main window on the a11y bus"
    e2e_activate $MAIN_WIN
}
stop_program() { kill $TIKANDA_PID && wait $TIKANDA_PID; }
e2e_exited() { [[ $(awk '{print $3}' /proc/$TIKANDA_PID/stat 2>/dev/null) =~ ^Z?$ ]]; }
# Waits for the program to end and sets E2E_EXIT_CODE (not in $(...): only this shell can).
e2e_wait_exit() {
    e2e_until $E2E_TIMEOUT e2e_exited || return 1
    wait $TIKANDA_PID
    E2E_EXIT_CODE=$?
}

# Sets WIN to the program's visible window titled $1 (a regular expression); e2e_wait_window
# prints it. (A search fails when a window goes away during it: it is retried.)
find_window() {
    WIN=$(xdotool search --all --onlyvisible --pid $TIKANDA_PID --name "$1" 2>/dev/null | head -n 1)
    [ -n "$WIN" ]
}
e2e_wait_window() { e2e_until $E2E_TIMEOUT find_window "$1" && echo $WIN; }
unmapped() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
e2e_window_size() { xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {print w, $2}'; }
e2e_activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
e2e_keys() { e2e_activate "$1" && xdotool key --clearmodifiers --delay 50 "${@:2}"; }
# Presses the keys given in turn and lets go in reverse order, as a hand does (with
# "xdotool key ctrl+t" the window sees a bare T released). Xvfb swallows the press of
# Ctrl+Alt+F4 (a terminal switch) but passes on its release, which the program acts on.
chord() {
    local k down=() up=()
    for k; do down+=(keydown "$k") && up=(keyup "$k" "${up[@]}"); done
    xdotool "${down[@]}" && xdotool "${up[@]}"
}

# Records the null sink until e2e_record_stop, which sets RMS (0..1; 0 for silence).
e2e_record_start() {
    parecord --device="$TIKANDA_TEST_SINK.monitor" --file-format=wav "$E2E_DIR/sound.wav" &
    REC=$!
    echo $REC >>"$E2E_DIR/pids"
    sleep 0.3
}
e2e_record_stop() {
    kill -INT $REC && wait $REC
    RMS=$(sox "$E2E_DIR/sound.wav" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')
}

# Reads the program's windows into $E2E_UI, one object a line: 1 window (ROLE:NAME),
# 2 role, 3 name, 4 text, 5 description, 6 states, 7 "x y w h".
E2E_UI="$E2E_DIR/ui.txt"
ui_read() {
    $PY "$HERE/a11y.py" $TIKANDA_PID >"$E2E_UI.new" 2>>"$E2E_DIR/a11y.log" && mv "$E2E_UI.new" "$E2E_UI"
}
# Lines of the last reading in window $1 with role $2, a name matching $3, the states in the
# remaining arguments ("!state": without it).
ui_get() {
    awk -F'\t' -v w="$1" -v r="$2" -v n="$3" -v s="${*:4}" '
        $1 == w && $2 == r && $3 ~ n {
            k = split(s, want, " ")
            for (i = 1; i <= k; i++)
                if (sub(/^!/, "", want[i]) == (index("," $6 ",", "," want[i] ",") > 0)) next
            print
        }' "$E2E_UI"
}
ui_has() { [ -n "$(ui_get "$@")" ]; }
ui_check() { ui_read && ui_has "$@"; }
ui_wait() { e2e_until $E2E_TIMEOUT ui_check "$@"; }
ui_gone() { ! ui_check "$1" "$2" "$3" showing; }
ui_field() { ui_get "${@:2}" | head -n 1 | cut -f"$1"; } # field $1 of ui_get $2...
ui_text_is() { ui_read && [ "$(ui_field 4 "$@")" = "$TEXT" ]; }
# Clicks the middle of the showing object $1 $2 $3 with mouse button $4 (default 1).
ui_click() {
    local x y w h
    ui_read && read -r x y w h <<<"$(ui_field 7 "$1" "$2" "$3" showing)" && [ "${w:-0}" -gt 0 ] &&
        xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "${4:-1}"
}
# True when the main window's run value (the label after "Alarm v:", "Alarm za:" or
# "Stopky:") matches the regular expression $1.
display_is() {
    ui_read && [[ $(awk -F'\t' -v w="$MAIN" '$1 == w && $2 == "label" {
        if (next_one) { print $3; exit }
        if ($3 ~ /^(Alarm v|Alarm za|Stopky):$/) next_one = 1 }' "$E2E_UI") =~ $1 ]]
}
# Types text $1 over the contents of the focused text box $2 $3 $4 and waits until it
# holds that text. (Ctrl+A is a menu shortcut: the text is selected with Shift+Home.)
type_text() {
    TEXT=$1
    $PY "$HERE/keymap.py" "$1" && xdotool key End shift+Home && xdotool type --delay 40 "$1" &&
        e2e_until 10 ui_text_is "${@:2}"
}

# Saves a screenshot of window $1 (or root) to the PNG file $2, cropped to "x y w h" in $3.
e2e_screenshot() {
    local x y w h crop=()
    [ -n "${3:-}" ] && read -r x y w h <<<"$3" && crop=(-crop "${w}x$h+$x+$y" +repage)
    import -window "$1" "${crop[@]}" "$2"
}
e2e_image_info() { identify -format '%w %h %k\n' "$1" | head -n 1; } # width height colours
pixel() { convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:; } # RRGGBB at ($2, $3)
# The share (0..1) of the pixels of image $1 within 3 % of the colour $2.
colour_share() {
    convert "$1" -alpha off -fuzz 3% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:mean]' info:
}
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
