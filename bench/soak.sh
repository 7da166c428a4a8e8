#!/bin/bash
# Soak: the real program with a running stopwatch on the analog face under Xvfb + openbox
# for SOAK_SECONDS (default 600), its resident memory, open file descriptors and threads
# sampled every SOAK_INTERVAL (default 10) seconds. Not part of the normal test run.
#   bench/soak.sh [PROGRAM]        (default build/tikanda)
#
# Fails (exit 1) when, after the first minute (start-up, fonts and caches settle), the
# resident memory grows by more than SOAK_RSS_SLACK_KB (default 1024) or the number of
# open descriptors or threads grows at all, or when the stopwatch did not keep pace
# with the wall clock (read from the minimised window's caption at the end).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$root/build/tikanda}")
seconds=${SOAK_SECONDS:-600}
interval=${SOAK_INTERVAL:-10}
slack_kb=${SOAK_RSS_SLACK_KB:-1024}
settle=$((seconds < 120 ? seconds / 4 : 60))
source "$root/scripts/lib/session.sh"
trap session_stop EXIT
session_start --sound
work="$SESSION_DIR/soak"
mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"

"$program" >"$work/tikanda.log" 2>&1 &
pid=$!
session_adopt "$pid"
window=$(session_window "$pid" '^Tikanda 1\.3$') ||
    { echo "soak: the window did not appear" >&2; exit 1; }

# Stopwatch (Ctrl+O), analog face (Ctrl+A), start (F2).
xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+o ctrl+a F2
started=$SECONDS

sample() {
    local rss fds threads
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    threads=$(awk '/^Threads:/ {print $2}' "/proc/$pid/status")
    fds=$(find "/proc/$pid/fd" -mindepth 1 -maxdepth 1 | wc -l)
    echo "$((SECONDS - started)) $rss $fds $threads"
}

echo "Soak over ${seconds} s, sampled every ${interval} s (program $program)"
printf '%8s %10s %6s %8s\n' seconds rss_kb fds threads
: >"$work/samples"
while [ $((SECONDS - started)) -lt "$seconds" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "soak: the program ended" >&2; exit 1; }
    sample | tee -a "$work/samples" | awk '{printf "%8d %10d %6d %8d\n", $1, $2, $3, $4}'
    sleep "$interval"
done
sample | tee -a "$work/samples" | awk '{printf "%8d %10d %6d %8d\n", $1, $2, $3, $4}'

# Minimised, the stopwatch writes its time into the caption at the next tick.
xdotool windowminimize --sync "$window"
sleep 1.5
caption=$(xdotool getwindowname "$window")
wall=$((SECONDS - started))
shown=$(echo "$caption" | awk -F'[: ]' '/ - stopky$/ {print $1 * 3600 + $2 * 60 + $3}')

failed=0
read -r base_rss base_fds base_threads < <(awk -v s="$settle" '$1 >= s {print $2, $3, $4; exit}' "$work/samples")
read -r max_rss max_fds max_threads < <(awk -v s="$settle" '$1 >= s {
        if ($2 > r) r = $2; if ($3 > f) f = $3; if ($4 > t) t = $4 }
    END {print r, f, t}' "$work/samples")
echo
echo "after ${settle} s: rss ${base_rss} kB, ${base_fds} fds, ${base_threads} threads"
echo "largest since:   rss ${max_rss} kB (+$((max_rss - base_rss)) kB), ${max_fds} fds, ${max_threads} threads"
echo "stopwatch shows ${shown:-?} s after ${wall} s (caption \"$caption\")"
if [ $((max_rss - base_rss)) -gt "$slack_kb" ]; then
    echo "soak: FAIL: memory grew by more than ${slack_kb} kB" >&2
    failed=1
fi
if [ "$max_fds" -gt "$base_fds" ] || [ "$max_threads" -gt "$base_threads" ]; then
    echo "soak: FAIL: descriptors or threads grew" >&2
    failed=1
fi
if [ -z "$shown" ] || [ $((wall - shown)) -gt 3 ] || [ $((shown - wall)) -gt 3 ]; then
    echo "soak: FAIL: the stopwatch did not keep pace with the clock" >&2
    failed=1
fi
[ "$failed" -eq 0 ] && echo "soak: ok"
exit "$failed"
