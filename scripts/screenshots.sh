#!/bin/bash
# Makes the README's screenshots from the real program on a virtual X server (Xvfb +
# openbox), driving it with real keystrokes (xdotool):
#   docs/screenshots/digital.png     a countdown running, digital face
#   docs/screenshots/analog.png      the same countdown on the analog dial
#   docs/screenshots/alarm-text.png  editing the alarm text, its list open
#   docs/screenshots/alarm.png       the alarm window of a finished countdown
#
#   scripts/screenshots.sh [OUT_DIR] [PROGRAM]
# OUT_DIR defaults to docs/screenshots, PROGRAM to build/tikanda (built when missing).
# Environment passes through to the program, e.g. QT_SCALE_FACTOR=2 for HiDPI shots.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
program=${2:-$build/tikanda}

if [ -z "${2:-}" ] && [ ! -x "$program" ]; then
    "$root/scripts/deps.sh"
    "$root/scripts/build.sh" --target tikanda
fi
[ -x "$program" ] || { echo "screenshots: no program $program" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

source "$root/scripts/lib/session.sh"
trap session_stop EXIT
session_start
export XDG_CONFIG_HOME="$SESSION_DIR/config" XDG_STATE_HOME="$SESSION_DIR/state" LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

say() { printf '%s\n' "screenshots: $*"; }
die() {
    say "FAILED: $*" >&2
    [ -f "$SESSION_DIR/tikanda.log" ] && cat "$SESSION_DIR/tikanda.log" >&2
    exit 1
}
# The first visible window of the program whose title matches $1.
window() { session_window "$pid" "$1" 20; }
keys() {
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
    xdotool key --clearmodifiers --delay 80 "$@"
}
# Saves window $1 with its title bar to $out/$2, as a small palette PNG.
shoot() {
    import -frame -window "$1" "$SESSION_DIR/shot.png"
    convert "$SESSION_DIR/shot.png" -strip +dither -colors 256 "PNG8:$out/$2"
    say "$out/$2 ($(identify -format '%wx%h' "$out/$2"))"
}
# Lets a tick (once a second) bring the display up to date.
settle() { sleep 1.2; }

# The settings the shots show: factory values, with the alarm text list of a user.
cat >"$XDG_CONFIG_HOME/RVTikanda.conf" <<'EOF'
[User]
Text=Čaj je hotový
Text1=Čaj je hotový
Text2=Budíček!
Text3=Porada v 10:00
Text4=Vypnout troubu
Text5=Přestávka
EOF

"$program" >"$SESSION_DIR/tikanda.log" 2>&1 &
pid=$!
session_adopt "$pid"
main=$(window '^Tikanda 1\.3$')
[ -n "$main" ] || die "the main window did not appear"
settle

# A countdown of 4:00 (mode "po uplynutí času"), running.
keys ctrl+p ctrl+m 4 Tab F2
sleep 2.5
shoot "$main" digital.png
keys ctrl+a
settle
shoot "$main" analog.png
keys ctrl+a F4

# Editing the alarm text: the box over the toolbar, its list of recent texts open.
keys ctrl+t alt+Down
sleep 1
# The list is a window of its own: shoot the screen around the main window.
eval "$(xdotool getwindowgeometry --shell "$main")"
frame=$(xwininfo -id "$main" -children | awk '/Parent window id/ {print $4}')
read -r fx fy fw fh < <(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /^ *Width:/ {w = $2} /^ *Height:/ {h = $2}
    END {print x, y, w, h}')
import -window root -crop "${fw}x${fh}+${fx}+${fy}" +repage "$SESSION_DIR/shot.png"
convert "$SESSION_DIR/shot.png" -strip +dither -colors 256 "PNG8:$out/alarm-text.png"
say "$out/alarm-text.png ($(identify -format '%wx%h' "$out/alarm-text.png"))"
keys Escape Escape

# A countdown of 2 s to its alarm: the alarm window, some seconds after.
keys ctrl+m 0 Tab ctrl+s 2 Tab F2
alarm=$(window '^Alarm$')
[ -n "$alarm" ] || die "the alarm window did not appear"
sleep 3.2
shoot "$alarm" alarm.png
xdotool mousemove --window "$alarm" 10 10 click 1

# End at once: Ctrl+Alt+F4 (the release is what counts; Xvfb swallows the press).
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool keydown ctrl keydown alt keydown F4 keyup F4 keyup alt keyup ctrl
for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
wait "$pid" 2>/dev/null || true
pid=""
say "done"
