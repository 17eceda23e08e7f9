#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a Wayland session with XWayland, the program is an X11 client, so that its windows can ask to
# be centred and kept above, and it says nothing about platform plugins.
source "$(dirname "$0")/../e2e-lib.sh"
source "$(dirname "$0")/weston-lib.sh"

start_compositor headless
export DISPLAY=$XWAYLAND_DISPLAY
APP_ENV=(WAYLAND_DISPLAY="$COMPOSITOR_SOCKET" XDG_SESSION_TYPE=wayland)
start_app
main=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" '479x*') ||
    fail "no main window among XWayland's clients"
kill -0 "$APP_PID" || fail "the program ended"
expect_no_platform_warning
pass "the main window ($main) is an X client of XWayland on $DISPLAY"
