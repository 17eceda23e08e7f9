#!/bin/bash
# SPDX-License-Identifier: MIT
# A second copy shows "Application is already running" and ends after Enter, showing nothing
# else; the first copy keeps running, untouched. A copy under a dotted name of its own is
# another program: it starts beside them with its own settings.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
first=$APP_PID
wait_for_main_window "$first"
keys "$MAIN" alt+r
move_mouse "$MAIN" 470 5
before=$(grab "$MAIN" before)
position=$(window_position "$MAIN")

start_app
second=$APP_PID
box=$(wait_for_window "$second" Cubomancer) || fail "the second copy showed no message"
screenshot refusal
expect_eq "$(visible_windows "$second")" 1 "visible windows of the second copy"
expect_eq "$(message_icon "$box")" information "icon of the refusal"
keys "$box" Return
wait_for_exit "$second" || fail "the second copy did not end after Enter"
expect_eq "$(visible_windows "$first")" 1 "windows of the first copy"
kill -0 "$first" || fail "the first copy ended"
expect_eq "$(window_position "$MAIN")" "$position" "position of the first copy's window"
activate "$MAIN"
move_mouse "$MAIN" 470 5
poll same_picture "$(grab "$MAIN" after)" "$before" || fail "the first copy's window changed"

renamed=$E2E_ROOT/bin/cubomancer-1.15
cp "$CUBOMANCER" "$renamed"
CUBOMANCER=$renamed start_app
wait_for_main_window "$APP_PID"
[ -s "$XDG_CONFIG_HOME/cubomancer-1.15/cubomancer-1.15.conf" ] || fail "the renamed copy kept no settings of its own"
pass "second copy refused and ended with status $EXIT_STATUS; the first copy is as it was; a renamed copy starts"
