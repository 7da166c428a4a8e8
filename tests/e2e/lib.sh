# Helpers for the end-to-end tests (source "$E2E_LIB"). Every wait has a time limit.
E2E_TIMEOUT=${E2E_TIMEOUT:-30}
HERE=$(dirname "$E2E_LIB")
MAIN_TITLE="Tikanda 1.3"
MAIN="frame:$MAIN_TITLE" BOX="alert:$MAIN_TITLE" ALARM="alert:Budíček!" # windows in ui_get

e2e_log() { echo "e2e: $*"; }
e2e_fail() {
    echo "e2e: FAIL: $*" >&2
    e2e_screenshot root "$E2E_DIR/failure-screen.png" 2>/dev/null
    exit 1
}
e2e_until() { # runs "${@:2}" until it succeeds, for at most $1 seconds
    local end=$((SECONDS + $1))
    until "${@:2}"; do [ $SECONDS -lt $end ] && sleep 0.2 || return 1; done
}
e2e_settings_file() { echo "$XDG_CONFIG_HOME/RVTikanda.conf"; }

e2e_start() { # with the arguments given; sets TIKANDA_PID, which the harness kills at the end
    "$TIKANDA" "$@" >>"$E2E_DIR/tikanda.log" 2>&1 &
    TIKANDA_PID=$! && echo $TIKANDA_PID >>"$E2E_DIR/pids"
    e2e_log "started $(basename "$TIKANDA") $* (pid $TIKANDA_PID)"
}
start_program() { # and waits for its main window (MAIN_WIN) on the screen and the a11y bus
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start "$@"
    MAIN_WIN=$(e2e_wait_window "^Tikanda 1\.3$") || e2e_fail "no main window"
    ui_wait "$MAIN" frame "^$MAIN_TITLE\$" showing || e2e_fail "no main window on the a11y bus"
    e2e_activate $MAIN_WIN
}
# SIGTERM is a session end: the settings are saved and a pending run stays for the next start,
# which the next test step starts without.
stop_program() { kill $TIKANDA_PID && wait $TIKANDA_PID && rm -f "$XDG_STATE_HOME"/tikanda/run-*.state; }
e2e_exited() { [[ $(awk '{print $3}' /proc/$TIKANDA_PID/stat 2>/dev/null) =~ ^Z?$ ]]; }
e2e_wait_exit() { # sets E2E_EXIT_CODE (so not in $(...))
    e2e_until $E2E_TIMEOUT e2e_exited || return 1
    wait $TIKANDA_PID
    E2E_EXIT_CODE=$?
}

exit_with_ano() { # Storno while stopped asks "Ukončit program?", "Ne" the default
    ui_click "$MAIN" "push button" '^Storno$' || e2e_fail "no Storno button to click"
    ui_wait "$BOX" "push button" '^Ne$' focused || e2e_fail "Storno did not ask, 'Ne' the default"
    xdotool key shift+Tab
    ui_wait "$BOX" "push button" '^Ano$' focused || e2e_fail "Shift+Tab did not reach 'Ano'"
    xdotool key Return
    e2e_wait_exit && [ $E2E_EXIT_CODE -eq 0 ] || e2e_fail "no exit with code 0 after 'Ano'"
}

find_window() { # sets WIN to the program's visible window titled $1 (a regular expression)
    WIN=$(xdotool search --all --onlyvisible --pid $TIKANDA_PID --name "$1" 2>/dev/null | head -n 1)
    [ -n "$WIN" ]
}
e2e_wait_window() { e2e_until $E2E_TIMEOUT find_window "$1" && echo $WIN; }
unmapped() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
popup_window() { # a window that bypasses the window manager and is no tooltip (not on the a11y bus)
    local id
    for id in $(xdotool search --all --onlyvisible --pid $TIKANDA_PID --name '' 2>/dev/null); do
        xwininfo -id $id | grep -q 'Redirect State: yes' && ! xprop -id $id | grep -q TOOLTIP &&
            echo $id && return
    done
    return 1
}
popup() { popup_window >/dev/null; }
e2e_window_size() { xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {print w, $2}'; }
e2e_activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
# Presses keys in turn and lets go in reverse, as a hand does: "xdotool key ctrl+t" lets go of
# a bare T, and Xvfb passes on only the release of Ctrl+Alt+F4.
chord() {
    local k down=() up=()
    for k; do down+=(keydown "$k") && up=(keyup "$k" "${up[@]}"); done
    xdotool "${down[@]}" && xdotool "${up[@]}"
}

e2e_record_start() { # records the null sink until e2e_record_stop, which sets RMS (0..1)
    parecord --device="$TIKANDA_TEST_SINK.monitor" --file-format=wav "$E2E_DIR/sound.wav" &
    REC=$! && echo $REC >>"$E2E_DIR/pids" && sleep 0.3
}
e2e_record_stop() {
    kill -INT $REC && wait $REC
    RMS=$(sox "$E2E_DIR/sound.wav" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')
}

# ui_read puts the program's windows into $E2E_UI, one object a line: 1 window (ROLE:NAME),
# 2 role, 3 name, 4 text, 5 description, 6 states, 7 "x y w h".
E2E_UI="$E2E_DIR/ui.txt"
ui_read() { "$HERE/a11y.py" $TIKANDA_PID >"$E2E_UI.new" 2>>"$E2E_DIR/a11y.log" && mv "$E2E_UI.new" "$E2E_UI"; }
# Lines in window $1 with role $2, a name matching $3, the states in $4... ("!state": without).
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
ui_click() { # the middle of the showing object $1 $2 $3
    local x y w h
    ui_read && read -r x y w h <<<"$(ui_field 7 "$1" "$2" "$3" showing)" && [ "${w:-0}" -gt 0 ] &&
        xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}
type_text() { # $1 over the text in the focused box $2 $3 $4 (Shift+Home: Ctrl+A is a shortcut)
    TEXT=$1
    "$HERE/keymap.py" "$1" && xdotool key End shift+Home && xdotool type --delay 40 "$1" &&
        e2e_until 10 ui_text_is "${@:2}"
}

choose_panel_colour() { # $1 (#rrggbb) for the display panel: its pop-up menu, the colour dialog
    local px py pw ph
    ui_read && read -r px py pw ph <<<"$(ui_field 7 "$MAIN" frame '^Displej$')" && [ "${pw:-0}" -gt 0 ] ||
        return 1
    xdotool mousemove $((px + pw / 2)) $((py + ph - 8)) click 3 # the panel below its labels
    e2e_until 20 popup || return 1
    xdotool key Down Down Return # its second item
    ui_wait dialog:Barva text '^HTML:$' showing && ui_click dialog:Barva text '^HTML:$' &&
        type_text "$1" dialog:Barva text '^HTML:$' && ui_click dialog:Barva "push button" '^OK$'
}

e2e_screenshot() { # of window $1 (or root) into the PNG file $2, cropped to "x y w h" in $3
    local x y w h crop=()
    [ -n "${3:-}" ] && read -r x y w h <<<"$3" && crop=(-crop "${w}x$h+$x+$y" +repage)
    import -window "$1" "${crop[@]}" "$2"
}
pixel() { convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:; } # RRGGBB at ($2, $3)
colour_share() { # of the pixels of image $1 within 3 % of the colour $2 (0..1)
    convert "$1" -alpha off -fuzz 3% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:mean]' info:
}
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
