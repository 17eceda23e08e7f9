#!/bin/bash
# SPDX-License-Identifier: MIT
# SIGTERM, SIGHUP and SIGINT end the program the way the end of the session does: status 0 and
# the lock given back, also while the update question is open.
source "$(dirname "$0")/../e2e-lib.sh"

command -v flock >/dev/null || { echo "SKIP ($SCENARIO): flock is not installed" >&2; exit 77; }

start_display
old=$(days_ago 15)
store_date "$old"
start_app
wait_for_window "$APP_PID" Cubomancer >/dev/null || fail "no question"
kill -TERM "$APP_PID"
expect_clean_end "$APP_PID" "SIGTERM during the question"
expect_eq "$(stored_date)" "$old" "stored date after the unanswered question"

store_date "$(today)"
for signal in TERM HUP INT; do
    start_app
    wait_for_main_window "$APP_PID"
    kill -"$signal" "$APP_PID"
    expect_clean_end "$APP_PID" "SIG$signal"
done
pass "each signal ended the program with status 0 and gave the lock back"
