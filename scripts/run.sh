#!/bin/bash
# Installs what is missing, builds, and starts build/tikanda. Arguments go to the program
# (e.g. scripts/run.sh NOMENU).
#
# Without a display (no $DISPLAY or $WAYLAND_DISPLAY) the program is started on a virtual
# X server instead: the script waits for its window, saves a screenshot, tells where,
# and ends the program again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}

"$root/scripts/deps.sh"
"$root/scripts/build.sh" --target tikanda

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/tikanda" "$@"
fi

echo "run: no display; starting Tikanda on a virtual X server (Xvfb)"
source "$root/scripts/lib/session.sh"
trap session_stop EXIT
session_start --sound
"$build/tikanda" "$@" >"$SESSION_DIR/tikanda.log" 2>&1 &
pid=$!
session_adopt "$pid"
if ! window=$(session_window "$pid" '^Tikanda 1\.3$'); then
    echo "run: the Tikanda window did not appear; the program said:" >&2
    cat "$SESSION_DIR/tikanda.log" >&2
    exit 1
fi
sleep 1 # one tick, so that the clock shows the time
shot="$build/screenshot.png"
import -window "$window" "$shot"
echo "run: Tikanda started; screenshot of its window saved to $shot"
