# A private desktop session for running Tikanda without a screen: Xvfb on a free
# display, the openbox window manager, a session D-Bus and, when asked, a PulseAudio
# daemon whose default sink is a null sink (sound goes nowhere, but can be recorded from
# its monitor). Source this file, then:
#
#   session_start [--sound | --need-sound]
#                             starts everything; exports DISPLAY, DBUS_SESSION_BUS_ADDRESS,
#                             XDG_RUNTIME_DIR and PULSE_SERVER; with a sound option also
#                             SESSION_SINK (the sink's name). SESSION_DIR is its folder.
#                             Without sound, or when --sound could not start PulseAudio,
#                             PULSE_SERVER names no server, so that no program of the
#                             session starts a sound server of its own that would outlive it.
#   session_adopt PID         a process of the caller's (the program) that session_stop
#                             ends too, first
#   session_window PID REGEX [SECONDS]
#                             prints the first visible window of process PID whose title
#                             matches REGEX, waiting for it up to SECONDS (default 30)
#   session_stop              stops exactly the processes session_start started or was
#                             given, by PID, and removes SESSION_DIR
#
# session_start sets no trap; the caller does (trap session_stop EXIT).

SESSION_DIR=""
SESSION_PIDS=()
SESSION_SINK=""

_session_log() { printf '%s\n' "session: $*" >&2; }

# Waits up to $1 tenths of a second for the command after it to succeed.
_session_wait() {
    local tenths=$1
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# True when process $1 has ended (a zombie waiting to be reaped counts as ended).
_session_gone() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)
    [ -z "$state" ] || [ "$state" = Z ]
}

session_start() {
    local sound=0
    case "${1-}" in
    --sound) sound=1 ;;
    --need-sound) sound=2 ;;
    esac
    SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tikanda-session.XXXXXX") || return 1
    mkdir -m 700 "$SESSION_DIR/runtime"
    export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"

    # Xvfb picks the first free display number itself and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$SESSION_DIR/display" 2>"$SESSION_DIR/xvfb.log" &
    SESSION_PIDS+=($!)
    if ! _session_wait 200 grep -q '[0-9]' "$SESSION_DIR/display"; then
        _session_log "Xvfb did not start:"
        cat "$SESSION_DIR/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$(tr -dc '0-9' <"$SESSION_DIR/display")"
    _session_wait 100 xdpyinfo || { _session_log "display $DISPLAY does not answer"; return 1; }

    dbus-daemon --session --nofork --nopidfile --address="unix:path=$SESSION_DIR/bus" \
        >"$SESSION_DIR/dbus.log" 2>&1 &
    SESSION_PIDS+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$SESSION_DIR/bus"
    _session_wait 100 test -S "$SESSION_DIR/bus" || _session_log "no session bus (going on without)"

    HOME="$SESSION_DIR" openbox --sm-disable >"$SESSION_DIR/openbox.log" 2>&1 &
    SESSION_PIDS+=($!)
    # The window manager is up once it has set its check window on the root window.
    if ! _session_wait 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
        _session_log "openbox did not start:"
        cat "$SESSION_DIR/openbox.log" >&2
        return 1
    fi

    export PULSE_SERVER="unix:$SESSION_DIR/no-sound-server"
    if [ "$sound" -gt 0 ]; then
        SESSION_SINK=tikanda_sink
        HOME="$SESSION_DIR" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
            --disable-shm=yes --log-target=stderr \
            --load="module-native-protocol-unix socket=$SESSION_DIR/pulse auth-anonymous=1" \
            --load="module-null-sink sink_name=$SESSION_SINK" >"$SESSION_DIR/pulseaudio.log" 2>&1 &
        SESSION_PIDS+=($!)
        if PULSE_SERVER="unix:$SESSION_DIR/pulse" _session_wait 100 pactl info; then
            export PULSE_SERVER="unix:$SESSION_DIR/pulse"
            pactl set-default-sink "$SESSION_SINK"
        else
            _session_log "PulseAudio did not start:"
            cat "$SESSION_DIR/pulseaudio.log" >&2
            SESSION_SINK=""
            [ "$sound" = 2 ] && return 1
            _session_log "going on without sound"
        fi
    fi
    return 0
}

session_adopt() { SESSION_PIDS+=("$1"); }

session_window() {
    local end=$((SECONDS + ${3:-30})) window
    # A search fails when a window goes away during it, so search again until the time is up.
    while [ $SECONDS -lt "$end" ]; do
        window=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

session_stop() {
    local - # errexit off here, whatever the caller set: cleaning up must not stop half way
    set +e
    local i pid
    # Newest first: the sound server and the window manager before the X server.
    for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${SESSION_PIDS[i]}
        kill "$pid" 2>/dev/null
    done
    for pid in "${SESSION_PIDS[@]}"; do
        # Bounded: a process that ignores TERM gets KILL after two seconds.
        _session_wait 20 _session_gone "$pid" || kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    SESSION_PIDS=()
    [ -n "$SESSION_DIR" ] && rm -rf "$SESSION_DIR"
    SESSION_DIR=""
}
