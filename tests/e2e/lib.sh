# Helpers for end-to-end test scripts; source "$E2E_LIB" (set by tests/e2e/harness.sh).
# Each helper that waits has a time limit, so a test fails instead of hanging.

E2E_TIMEOUT=${E2E_TIMEOUT:-30} # seconds any single wait may take
TIKANDA_PID=""

e2e_log() { printf '%s\n' "e2e: $*"; }

# Fails the test with a message, keeping a screenshot of the whole screen.
e2e_fail() {
    printf '%s\n' "e2e: FAIL: $*" >&2
    e2e_screenshot root "$E2E_DIR/failure-screen.png" 2>/dev/null
    exit 1
}

# Runs the command in the remaining arguments until it succeeds, for at most $1 seconds.
e2e_until() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.2
    done
}

# Starts the program with the given arguments in the background (log in tikanda.log);
# sets TIKANDA_PID. The harness kills it if the test does not.
e2e_start() {
    "$TIKANDA" "$@" >>"$E2E_DIR/tikanda.log" 2>&1 &
    TIKANDA_PID=$!
    echo "$TIKANDA_PID" >>"$E2E_DIR/pids"
    e2e_log "started $(basename "$TIKANDA") $* (pid $TIKANDA_PID)"
}

# Waits for a visible window of the program whose title matches the regular expression $1
# and prints its id.
e2e_wait_window() {
    local id
    id=$(timeout "$E2E_TIMEOUT" xdotool search --sync --all --onlyvisible --pid "$TIKANDA_PID" \
        --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# Ids of the program's visible windows that the xdotool search options given match; the
# number of those whose title matches $1; waiting until there are none.
e2e_windows() { xdotool search --all --onlyvisible --pid "$TIKANDA_PID" "$@" 2>/dev/null; }
e2e_count_windows() { e2e_windows --name "$1" | wc -l; }
e2e_no_window() { [ "$(e2e_count_windows "$1")" -eq 0 ]; }
e2e_wait_window_gone() { e2e_until "$E2E_TIMEOUT" e2e_no_window "$1"; }

# Prints "WIDTH HEIGHT" of window $1's client area.
e2e_window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w, h}'
}

# Saves a screenshot of window $1 (or root) to the PNG file $2, cropped to "x y w h" in $3.
e2e_screenshot() {
    local x y w h crop=()
    if [ -n "${3:-}" ]; then
        read -r x y w h <<<"$3"
        crop=(-crop "${w}x${h}+${x}+${y}" +repage)
    fi
    import -window "$1" "${crop[@]}" "$2"
}

# Prints "WIDTH HEIGHT COLOURS" of an image file.
e2e_image_info() { identify -format '%w %h %k\n' "$1" | head -n 1; }

# Gives window $1 the keyboard focus.
e2e_activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# Activates window $1 and sends it the keys (xdotool names) in the remaining arguments.
e2e_keys() {
    e2e_activate "$1"
    shift
    xdotool key --clearmodifiers --delay 50 "$@"
}

# Waits for the program to end and sets E2E_EXIT_CODE; fails after the time limit.
# (Not in $(...): only this shell can collect the exit code.)
E2E_EXIT_CODE=""
e2e_exited() {
    local state
    state=$(awk '{print $3}' "/proc/$TIKANDA_PID/stat" 2>/dev/null)
    [ -z "$state" ] || [ "$state" = Z ]
}
e2e_wait_exit() {
    e2e_until "$E2E_TIMEOUT" e2e_exited || return 1
    wait "$TIKANDA_PID"
    E2E_EXIT_CODE=$?
}

# Sound: records the null sink's monitor to a WAV file until e2e_record_stop.
E2E_RECORD_PID=""
e2e_record_start() {
    parecord --device="$TIKANDA_TEST_SINK.monitor" --file-format=wav "$1" &
    E2E_RECORD_PID=$!
    echo "$E2E_RECORD_PID" >>"$E2E_DIR/pids"
    sleep 0.3
}
e2e_record_stop() {
    kill -INT "$E2E_RECORD_PID" 2>/dev/null
    wait "$E2E_RECORD_PID" 2>/dev/null
    E2E_RECORD_PID=""
}

# Prints the RMS amplitude (0..1) of a WAV file; 0 for silence.
e2e_rms() { sox "$1" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'; }

# The settings file the program writes.
e2e_settings_file() { echo "$XDG_CONFIG_HOME/RVTikanda.conf"; }
