#!/bin/bash
# SPDX-License-Identifier: MIT
# Alt+X on the farewell screen ends the program with status 0 and leaves no window behind; the
# next start comes up normally. Without a display the program says so and ends with status 1.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"
keys "$FAREWELL" alt+x
expect_exit_status "$APP_PID" 0 "after Alt+X"
expect_eq "$(xdotool search --name '^Cubomancer' 2>/dev/null | wc -l)" 0 "windows left on the display"
expect_eq "$(opened_count)" 0 "addresses opened on the way out"

start_app
wait_for_main_window "$APP_PID"
no_message_box "$APP_PID" || fail "the next start showed a message"

# Without a display to show a window on, one line says what is missing, and status 1.
for display in "" ":$((${DISPLAY#:} + 100))"; do
    status=0
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$CUBOMANCER" >"$E2E_ROOT/said" 2>&1 || status=$?
    expect_eq "$status, $(wc -l <"$E2E_ROOT/said") line" "1, 1 line" "without the display '$display'"
    grep -qF "${display:-DISPLAY}" "$E2E_ROOT/said" || fail "the display is not named: $(cat "$E2E_ROOT/said")"
done
pass "ended with status 0, no window left, the next start is a normal one; status 1 without a display"
