#!/bin/bash
# SPDX-License-Identifier: MIT
# The window manager's close (Alt+F4 in openbox, KWin and mutter) takes the same paths as the
# menus: the main window gives way to the farewell screen, and closing that ends the program with
# status 0.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
keys "$MAIN" alt+F4
FAREWELL=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" 741x315) || fail "no farewell screen"
wait_window_gone "$MAIN" || fail "the main window stayed"
kill -0 "$APP_PID" || fail "the program ended with the main window"
keys "$FAREWELL" alt+F4
expect_status_0 "$APP_PID" "after closing the farewell screen"
pass "both windows closed by the window manager; status 0"
