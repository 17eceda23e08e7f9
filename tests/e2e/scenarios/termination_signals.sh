#!/bin/bash
# SPDX-License-Identifier: MIT
# SIGTERM, SIGHUP and SIGINT end the program the way the end of the session does: status 0 and
# the lock given back, also while the update question is open, and no window created on the way
# out. A signal ignored at the start, as under nohup, stays ignored.
source "$(dirname "$0")/../e2e-lib.sh"

command -v flock >/dev/null || { echo "SKIP ($SCENARIO): flock is not installed" >&2; exit 77; }

# Logs the windows created from now on (the root window's new children) in root.events.
watch_new_windows() {
    xev -root -event substructure -event property >"$E2E_ROOT/root.events" 2>&1 &
    ROOT_WATCH=$!
    E2E_PIDS+=($ROOT_WATCH)
    poll xev_listening || fail "xev did not start"
}

xev_listening() {
    xprop -root -f _CUBOMANCER_E2E 8s -set _CUBOMANCER_E2E watched
    grep -q PropertyNotify "$E2E_ROOT/root.events"
}

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
    # As from a terminal: a job this script starts in the background has SIGINT ignored.
    APP_WRAPPER=(env --default-signal="$signal")
    start_app
    wait_for_main_window "$APP_PID"
    watch_new_windows
    kill -"$signal" "$APP_PID"
    expect_clean_end "$APP_PID" "SIG$signal"
    expect_eq "$(grep -c CreateNotify "$E2E_ROOT/root.events")" 0 "windows created after SIG$signal"
    kill "$ROOT_WATCH"
done

APP_WRAPPER=(nohup)
start_app
wait_for_main_window "$APP_PID"
kill -HUP "$APP_PID"
sleep 1
kill -0 "$APP_PID" || fail "SIGHUP ended the program started under nohup"
kill -TERM "$APP_PID"
expect_clean_end "$APP_PID" "SIGTERM under nohup"
pass "each signal ended the program with status 0, gave the lock back and created no window"
