# The real program when its surroundings fail: no display, no sound server, a settings
# folder that cannot be made. It must say so or carry on, never crash.
source "$E2E_LIB"

# ---- No display: a clear message and exit code 2 ----
for display in unset ":4242"; do
    if [ "$display" = unset ]; then
        env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY timeout 20 "$TIKANDA" \
            >"$E2E_DIR/nodisplay.out" 2>"$E2E_DIR/nodisplay.err"
    else
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" timeout 20 "$TIKANDA" \
            >"$E2E_DIR/nodisplay.out" 2>"$E2E_DIR/nodisplay.err"
    fi
    rc=$?
    message=$(head -n 1 "$E2E_DIR/nodisplay.err")
    e2e_log "DISPLAY $display: exit $rc, \"$message\""
    [ "$rc" -eq 2 ] || e2e_fail "without a display (DISPLAY $display) the exit code is $rc, not 2"
    case $message in
    "tikanda: no display"* | "tikanda: cannot connect to the X display"*) ;;
    *) e2e_fail "without a display (DISPLAY $display) the message is \"$message\"" ;;
    esac
    [ "$(wc -l <"$E2E_DIR/nodisplay.err")" -le 2 ] || e2e_fail "more than a message on stderr"
done

# ---- No sound server: the alarm window still opens, and the program goes on ----
# Sound switched on in the stored settings, so that the alarm plays (and repeats).
mkdir -p "$XDG_CONFIG_HOME"
printf '[User]\nZvuk=1\n' >"$(e2e_settings_file)"
# A server address that leads nowhere, and no starting a server of its own.
printf 'autospawn = no\n' >"$E2E_DIR/pulse-client.conf"
PULSE_SERVER="unix:$E2E_DIR/no-such-socket" PULSE_CLIENTCONFIG="$E2E_DIR/pulse-client.conf" e2e_start
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "without sound the main window did not appear"
# Mode "po uplynutí času" (Ctrl+P) with the fields at 0:00:00, then Start (F2): the
# countdown falls due at the next tick.
e2e_keys "$main" ctrl+p F2
alarm=$(e2e_wait_window '^Alarm$') || e2e_fail "without sound no alarm window appeared"
e2e_log "alarm window $alarm is up"
sleep 2 # more ticks of the alarm window
kill -0 "$TIKANDA_PID" 2>/dev/null || e2e_fail "the program died after the alarm without sound"
e2e_keys "$alarm" a
e2e_wait_window_gone '^Alarm$' || e2e_fail "a key did not close the alarm window"
# The orderly exit: the question, "Ano", and the sound setting saved as it was.
e2e_keys "$main" alt+F4
for ((i = 0; i < 50 && $(e2e_count_windows '^Tikanda 1\.3$') < 2; i++)); do sleep 0.1; done
box=$(xdotool getactivewindow)
e2e_keys "$box" shift+Tab Return
e2e_wait_exit || e2e_fail "without sound the program did not end after 'Ano'"
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "without sound the exit code is $E2E_EXIT_CODE"
sed -n '/^\[User\]/,/^\[/p' "$(e2e_settings_file)" | grep -q '^Zvuk=1$' ||
    e2e_fail "sound was not on during the alarm"

# ---- A settings folder that cannot be made: the exit says the save failed ----
blocked="$E2E_DIR/blocked"
: >"$blocked" # a plain file where the folder should be
XDG_CONFIG_HOME="$blocked/config" e2e_start
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "with no settings folder the window did not appear"
e2e_keys "$main" alt+F4
for ((i = 0; i < 50 && $(e2e_count_windows '^Tikanda 1\.3$') < 2; i++)); do sleep 0.1; done
box=$(xdotool getactivewindow)
e2e_keys "$box" shift+Tab Return # "Ano"
# The main window hides, and a new box of the same title takes the focus: the report.
report=""
for ((i = 0; i < 100; i++)); do
    active=$(xdotool getactivewindow 2>/dev/null)
    if [ -n "$active" ] && [ "$active" != "$main" ] && [ "$active" != "$box" ] &&
        [ "$(xdotool getwindowname "$active" 2>/dev/null)" = "Tikanda 1.3" ]; then
        report=$active
        break
    fi
    sleep 0.1
done
[ -n "$report" ] || e2e_fail "the failed save was not reported"
e2e_screenshot "$report" "$E2E_DIR/unsaved.png"
e2e_keys "$report" Return
e2e_wait_exit || e2e_fail "the program did not end after the report"
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after the report"
[ -f "$blocked" ] || e2e_fail "the blocking file was touched"

# ---- A read-only settings folder (as an ordinary user: root may write anywhere) ----
qt_tests=${TIKANDA_QT_TESTS:-$(dirname "$TIKANDA")/tests/tikanda_qt_tests}
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && [ -x "$qt_tests" ]; then
    nobody_dir=$(mktemp -d)
    chmod 1777 "$nobody_dir"
    setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$nobody_dir" TMPDIR="$nobody_dir" QT_QPA_PLATFORM=offscreen \
        "$qt_tests" --gtest_filter='SettingsFaults.StartAndExitInAReadOnlyFolder' \
        >"$E2E_DIR/readonly.log" 2>&1
    rc=$?
    rm -rf "$nobody_dir"
    cat "$E2E_DIR/readonly.log"
    [ "$rc" -eq 0 ] || e2e_fail "the read-only folder test failed"
    grep -q '\[  PASSED  \] 1 test' "$E2E_DIR/readonly.log" || e2e_fail "the read-only folder test did not run"
fi
e2e_log "ok"
