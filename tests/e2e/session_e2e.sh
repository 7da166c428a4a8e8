# A logout through the X session manager: a checkpoint saves and asks nothing and keeps the
# program out of the saved session; the session's end ends the program without the exit
# question, saving the settings and keeping the pending run, and the logout goes on.
source "$E2E_LIB"
settings=$(e2e_settings_file)
sm_log="$E2E_DIR/session_manager.log"
sm_said() { grep -qx "$1" "$sm_log"; }
user_has() { awk -v want="$1" '/^\[/ { s = $0 } s == "[User]" && $0 == want { f = 1 } END { exit !f }' "$settings"; }
pending() { compgen -G "$XDG_STATE_HOME/tikanda/run-*.state" >/dev/null; }

mkfifo "$E2E_DIR/session_manager.in"
"$(dirname "$TIKANDA")/tests/session_manager" <"$E2E_DIR/session_manager.in" >"$sm_log" 2>&1 &
echo $! >>"$E2E_DIR/pids"
exec 4>"$E2E_DIR/session_manager.in"
e2e_until 10 grep -q '^listening ' "$sm_log" || e2e_fail "the session manager did not listen"
export SESSION_MANAGER=$(sed -n 's/^listening //p' "$sm_log" | head -n 1)

start_program
e2e_until 10 grep -q '^registered ' "$sm_log" || e2e_fail "the program did not join the session"
e2e_until 10 grep -qs '^\[Default\]' "$settings" || e2e_fail "start-up wrote no settings"
# The sound switched on, and a countdown of 0:05:00 typed into the fields.
xdotool key --delay 60 ctrl+z ctrl+p ctrl+h 0 Return 5 F2
ui_wait "$MAIN" label '^0:0[45]:[0-5][0-9]$' showing || e2e_fail "F2 did not start the countdown"
e2e_until 10 pending || e2e_fail "no state file for the running countdown"

before=$(md5sum <"$settings")
echo checkpoint >&4
e2e_until 10 sm_said 'done 1' || e2e_fail "the checkpoint was not done"
sm_said 'property RestartStyleHint 3' || e2e_fail "a checkpoint left the program to be restarted by the session: $(grep RestartStyleHint "$sm_log")"
sleep 3 # longer than a settings write waits
[ "$(md5sum <"$settings")" = "$before" ] || e2e_fail "the checkpoint wrote the settings"
ui_gone "$BOX" alert '' || e2e_fail "the checkpoint asked: $(ui_get "$BOX" label '' | cut -f3)"
! sm_said interact-request || e2e_fail "the checkpoint asked to interact with the user"
e2e_exited && e2e_fail "the checkpoint ended the program"

echo shutdown >&4
e2e_until 10 sm_said die || e2e_fail "the logout's save was not done"
e2e_wait_exit || e2e_fail "the session's end did not end the program: $(ui_read; ui_get "$BOX" label '' | cut -f3)"
[ $E2E_EXIT_CODE -eq 0 ] || e2e_fail "the session's end ended the program with $E2E_EXIT_CODE"
e2e_until 10 sm_said gone || e2e_fail "the session manager did not see the program go"
! sm_said interact-request || e2e_fail "the logout asked to interact with the user"
user_has 'Zvuk=1' || e2e_fail "the session's end did not save the sound switched on"
pending || e2e_fail "the session's end lost the pending run"
exec 4>&-
e2e_log ok
