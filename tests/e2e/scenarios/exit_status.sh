#!/bin/bash
# SPDX-License-Identifier: MIT
# Alt+X on the farewell screen ends the program with status 0 and leaves no window behind; the
# next start comes up normally.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"
keys "$FAREWELL" alt+x
status=$(wait_for_exit "$APP_PID") || fail "the program did not end after Alt+X"
expect_eq "$status" 0 "exit status"
expect_eq "$(xdotool search --name '^Cubomancer' 2>/dev/null | wc -l)" 0 "windows left on the display"
expect_eq "$(opened_count)" 0 "addresses opened on the way out"

start_app
wait_for_main_window "$APP_PID"
no_message_box "$APP_PID" || fail "the next start showed a message"
pass "ended with status 0, no window left, and the next start is a normal one"
