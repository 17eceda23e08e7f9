#!/bin/bash
# SPDX-License-Identifier: MIT
# The program under a real session manager (tools/session_manager.c, in SESSION_MANAGER_TOOL):
# a session save, even the one before a logout, leaves it running; the end of the session ends
# it with status 0 and gives the lock back, also while a start-up box is open, where nothing
# more of the start-up runs.
source "$(dirname "$0")/../e2e-lib.sh"

[ -x "${SESSION_MANAGER_TOOL:-}" ] || { echo "SKIP ($SCENARIO): no session manager (libSM)" >&2; exit 77; }
command -v flock >/dev/null || { echo "SKIP ($SCENARIO): flock is not installed" >&2; exit 77; }

start_display
coproc SM { exec "$SESSION_MANAGER_TOOL" 2>>"$E2E_ROOT/sm.err"; }
E2E_PIDS+=($SM_PID)
read -t "$E2E_TIMEOUT" -r address <&"${SM[0]}" || fail "the session manager did not start"
export SESSION_MANAGER=${address#SESSION_MANAGER=}

# Waits for the session manager to report this event.
session_event() {
    local line
    while read -t "$E2E_TIMEOUT" -r line <&"${SM[0]}"; do
        [ "$line" = "$1" ] && return 0
    done
    fail "the session manager did not report $1"
}

session_command() {
    echo "$1" >&"${SM[1]}"
}

# The session ends while the update question is open: the question goes unanswered.
old=$(days_ago 15)
store_date "$old"
start_app
session_event registered
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "no question"
session_command die
expect_clean_end "$APP_PID" "end of session during the question"
expect_eq "$(stored_date)" "$old" "stored date after the unanswered question"

# The session ends while a second copy shows "Application is already running".
store_date "$(today)"
start_app
first=$APP_PID
session_event registered
wait_for_main_window "$first"
start_app
session_event registered
wait_for_window "$APP_PID" Cubomancer >/dev/null || fail "a second copy was not refused"
session_command die
expect_exit_status "$APP_PID" 0 "the refused copy at the end of its session"
# The session manager's commands go to the copy that registered last: once it has let the refused
# copy go, that is the running one.
session_event closed
kill -0 "$first" || fail "the running copy ended with the other one's session"

# Saves leave the running copy as it is; the end of the session ends it.
for save in checkpoint logout; do
    session_command "$save"
    session_event save-done
    kill -0 "$first" || fail "a $save save ended the program"
    window_gone "$MAIN" && fail "a $save save closed the main window"
done
screenshot after-saves
session_command die
expect_clean_end "$first" "end of session"
pass "saves answered without ending; the session's end ended each copy with status 0"
