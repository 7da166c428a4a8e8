# Helpers for the scenario tests, on top of lib.sh (sourced here; source this file instead):
# the program's windows as a screen reader sees them (a11y.py over AT-SPI), clicks on named
# controls, screenshots kept for a look afterwards, and pixels of the screen.
source "$E2E_LIB"

# Qt joins the accessibility bus only when asked to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
E2E_A11Y="$(dirname "$E2E_LIB")/a11y.py"
# The system Python, which has the AT-SPI bindings (a pyenv or venv python3 may not).
E2E_PYTHON=/usr/bin/python3
[ -x "$E2E_PYTHON" ] || E2E_PYTHON=python3
E2E_UI="$E2E_DIR/ui.txt" # the last reading of the windows
# Screenshots are kept after the test, pass or fail, in a folder each run empties first.
E2E_SHOTS="${E2E_ARTIFACTS:-$E2E_DIR}/screenshots"
mkdir -p "$E2E_SHOTS"
rm -f "$E2E_SHOTS"/*.png "$E2E_SHOTS"/*.conf

# The main window's title (also every message box's); the windows as ui_read names them.
MAIN_TITLE="Tikanda 1.3"
MAIN="frame:$MAIN_TITLE"
BOX="alert:$MAIN_TITLE"
ALARM="filler:Alarm"

# Fails at once unless the AT-SPI bindings are there: every check below needs them.
"$E2E_PYTHON" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    e2e_fail "no AT-SPI bindings for $E2E_PYTHON (Debian: gir1.2-atspi-2.0 python3-gi)"

# Reads the program's windows into $E2E_UI: one object a line, tab-separated fields
#   1 window (ROLE:NAME of the top-level window)  2 role  3 name  4 text
#   5 description (tooltip)  6 states  7 "x y w h"
ui_read() {
    "$E2E_PYTHON" "$E2E_A11Y" "$TIKANDA_PID" >"$E2E_UI.new" 2>>"$E2E_DIR/a11y.log" &&
        mv "$E2E_UI.new" "$E2E_UI"
}

# Lines of the last reading in window $1 with role $2 and a name matching the regular
# expression $3 (and a description matching UI_DESC, when set).
ui_get() {
    awk -F'\t' -v w="$1" -v r="$2" -v n="$3" -v d="${UI_DESC:-}" \
        '$1 == w && $2 == r && $3 ~ n && (d == "" || $5 ~ d)' "$E2E_UI"
}

# True when object line $1 has every state in the remaining arguments ("!state": absent).
ui_line_has() {
    local states s
    states=",$(cut -f6 <<<"$1"),"
    shift
    for s in "$@"; do
        case $s in
        !*) [[ $states != *",${s#!},"* ]] || return 1 ;;
        *) [[ $states == *",$s,"* ]] || return 1 ;;
        esac
    done
}

# The first line of ui_get $1 $2 $3 with the states in the remaining arguments.
ui_first() {
    local line
    while IFS= read -r line; do
        ui_line_has "$line" "${@:4}" && echo "$line" && return 0
    done < <(ui_get "$1" "$2" "$3")
    return 1
}

# True when there is one: in the last reading (ui_has), in a fresh one (ui_check), or
# once within E2E_TIMEOUT (ui_wait); ui_gone: a fresh one has no showing object $1 $2 $3.
ui_has() { ui_first "$@" >/dev/null; }
ui_check() { ui_read && ui_has "$@"; }
ui_wait() { e2e_until "$E2E_TIMEOUT" ui_check "$@"; }
ui_gone() { ! ui_check "$1" "$2" "$3" showing; }

# Field $4 (see ui_read) of the first object $1 $2 $3 in the last reading; ui_text_is: true
# when a fresh reading gives it the text $4.
ui_field() { ui_get "$1" "$2" "$3" | head -n 1 | cut -f"$4"; }
ui_text_is() { ui_read && [ "$(ui_field "$1" "$2" "$3" 4)" = "$4" ]; }

# The run value (lblStopky) in the last reading: the label after "Alarm v:", "Alarm za:"
# or "Stopky:"; display_matches: a fresh reading's matches the bash regular expression $1.
display_value() {
    awk -F'\t' -v w="$MAIN" '$1 == w && $2 == "label" {
        if (next_one) { print $3; exit }
        if ($3 == "Alarm v:" || $3 == "Alarm za:" || $3 == "Stopky:") next_one = 1 }' "$E2E_UI"
}

display_matches() { ui_read && [[ $(display_value) =~ $1 ]]; }

# "role:name" of the object with the keyboard focus in window $1 (last reading).
ui_focus() {
    awk -F'\t' -v w="$1" '$1 == w && $6 ~ /(^|,)focused(,|$)/ {
        print $2 ":" $3; exit }' "$E2E_UI"
}

# Clicks mouse button $4 (default 1) in the middle of the showing object $1 $2 $3.
ui_click() {
    local line x y w h
    ui_read && line=$(ui_first "$1" "$2" "$3" showing) || return 1
    read -r x y w h <<<"$(cut -f7 <<<"$line")"
    [ "${w:-0}" -gt 0 ] || return 1
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "${4:-1}"
}

# Starts the program, waits for its main window on the screen and on the accessibility
# bus, and focuses it; sets MAIN_WIN to its X window id.
start_program() {
    e2e_start "$@"
    MAIN_WIN=$(e2e_wait_window "^${MAIN_TITLE//./\\.}\$") ||
        e2e_fail "the main window did not appear"
    ui_wait "$MAIN" frame "^$MAIN_TITLE\$" showing ||
        e2e_fail "the main window is not on the accessibility bus (see $E2E_DIR/a11y.log)"
    e2e_activate "$MAIN_WIN"
}

# Visible top-level windows of the program other than the main window and tooltips.
other_windows() {
    local id
    for id in $(e2e_windows --class tikanda); do
        [ "$id" = "$MAIN_WIN" ] && continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        echo "$id"
    done
}

# Pop-up menus on the screen: windows of their own that bypass the window manager.
popup_windows() {
    local id
    for id in $(other_windows); do
        xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && echo "$id"
    done
}

# Types text $1 over the contents of the focused text box $2 $3 $4 and waits until it holds
# that text. keymap.py adds letters the keyboard map lacks. (Ctrl+A is a menu shortcut.)
type_text() {
    "$E2E_PYTHON" "$(dirname "$E2E_LIB")/keymap.py" "$1" || return 1
    xdotool key End shift+Home
    xdotool type --delay 40 "$1"
    e2e_until 10 ui_text_is "$2" "$3" "$4" "$1"
}

# Presses key $2 with the modifiers $1 (e.g. ctrl+alt) held and releases it before them, as
# a hand does (xdotool key ctrl+t lets go of Ctrl first: the release would be a bare T).
chord() {
    local mods=${1//+/ } m down=() up=()
    for m in $mods; do
        down+=(keydown "$m")
        up=(keyup "$m" "${up[@]}")
    done
    xdotool "${down[@]}" keydown "$2"
    xdotool keyup "$2" "${up[@]}"
}

# Ctrl+Alt+F4: XKB turns the press into a terminal switch that Xvfb swallows; the release,
# which the window acts on, comes through.
ctrl_alt_f4() { chord ctrl+alt F4; }

# Saves the screen's rectangle "x y w h" in $2 to $E2E_SHOTS/$1.png; SHOT is its path.
SHOT=""
shot() {
    SHOT="$E2E_SHOTS/$1.png"
    e2e_screenshot root "$SHOT" "$2" 2>/dev/null || e2e_fail "no screenshot $SHOT"
    e2e_log "screenshot $SHOT"
}

# The colour of pixel ($2, $3) of image $1 as RRGGBB.
pixel() { convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:; }

# The share (0..1) of pixels of image $1 within 3 % of colour $2.
colour_share() {
    convert "$1" -alpha off -fuzz 3% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:mean]' info:
}

# True when the decimal number $1 is greater than $2.
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
