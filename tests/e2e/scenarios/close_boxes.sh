#!/bin/bash
# SPDX-License-Identifier: MIT
# The window manager's close (Alt+F4 in openbox, KWin and mutter) takes the same paths as the
# menus: the main window gives way to the farewell screen, and closing that ends the program with
# status 0.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
close_with_alt_f4 "$MAIN"
FAREWELL=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" 741x315) || fail "no farewell screen"
kill -0 "$APP_PID" || fail "the program ended with the main window"
close_with_alt_f4 "$FAREWELL"
expect_exit_status "$APP_PID" 0 "after closing the farewell screen"
pass "both windows closed by the window manager; status 0"
