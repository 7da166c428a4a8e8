# A Wayland session: weston with XWayland, started here. The program, given only the
# session's variables, comes up on the X server, where its alarm window can stay on top and
# F16 can be sent; with the X server gone it runs as a Wayland client and says so.
# weston runs in a window on the test's X server, whose keyboard is its seat's: without a
# keyboard (the headless back end) XWayland has no keymap and dies at the first key sent.
source "$E2E_LIB"
xwayland() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_DIR/weston.log"; }
session() { # weston with XWayland on socket $1, and the program on it; a session whose seat
    # never passes the keys on is tried once more from the start
    WESTON_PID= && rm -f "$E2E_DIR/weston.log"
    weston --backend=x11-backend.so --xwayland --socket="$1" --idle-time=0 \
        --width=1024 --height=768 --log="$E2E_DIR/weston.log" >/dev/null 2>&1 &
    WESTON_PID=$! && echo $WESTON_PID >>"$E2E_DIR/pids"
    e2e_until 20 test -S "$XDG_RUNTIME_DIR/$1" || e2e_fail "weston did not start"
    # (weston may first wait out a stale lock of an X display number it wants)
    e2e_until 60 test -n "$(xwayland)" || e2e_fail "weston has no XWayland"
    export DISPLAY=$(xwayland) WAYLAND_DISPLAY=$1 XDG_SESSION_TYPE=wayland
    # XWayland starts with the first X client, the program; its windows are X windows. The
    # keys of a countdown of 0:00:00 (Ctrl+P, F2) go to the window itself.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start
    MAIN_WIN=$(e2e_wait_window "^Tikanda 1\.3$") || e2e_fail "no main window on XWayland ($DISPLAY)"
    ui_wait "$MAIN" "push button" '^OK$' showing || e2e_fail "no main window on the a11y bus"
    # Keys sent to a window may come before it takes them: sent again until they have acted.
    send_until() { # key $1 until "${@:2}" succeeds, up to five times
        local i
        for i in 1 2 3 4 5; do
            xdotool key --window $MAIN_WIN "$1" && e2e_until 4 "${@:2}" && return 0
        done
        return 1
    }
    running_or_alarm() { find_window '^Alarm$' || ui_check "$MAIN" "push button" '^OK$' showing '!enabled'; }
    send_until ctrl+p ui_check "$MAIN" "radio button" '^po uplynutí času$' checked
}
outer_display=$DISPLAY
if ! session tikanda-wayland; then
    e2e_log "the keys did not reach the window; weston and the program once more"
    kill $TIKANDA_PID $WESTON_PID 2>/dev/null; wait $TIKANDA_PID $WESTON_PID 2>/dev/null
    DISPLAY=$outer_display
    session tikanda-wayland-2 || e2e_fail "Ctrl+P did not reach the window"
fi
send_until F2 running_or_alarm || e2e_fail "F2 did not start the countdown"
e2e_until 20 find_window '^Alarm$' || e2e_fail "no alarm window on XWayland"
ui_wait "$ALARM" label '^–0:00:0[1-9]$' showing || e2e_fail "the alarm window does not count"
grep -q 'Wayland' "$E2E_DIR/tikanda.log" && e2e_fail "a note about Wayland on XWayland"
# F16 is sent: XWayland's keyboard map has it for the moment. (weston keeps no X window above
# the others; the window managers of GNOME and KDE do, and the X11 scenarios check the request.)
xmodmap -pke | grep -qw F16 || e2e_fail "no F16 in XWayland's keyboard map"
stop_program

# Only the compositor: a Wayland client, with one note on stderr.
DISPLAY= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start
ui_wait "$MAIN" "push button" '^OK$' showing || e2e_fail "no native Wayland window"
[ "$(grep -c 'native Wayland client' "$E2E_DIR/tikanda.log")" -eq 1 ] || e2e_fail "no one note on stderr"
e2e_log ok
