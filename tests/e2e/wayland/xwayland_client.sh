#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a Wayland session with XWayland, the program is an X11 client, so that its windows can ask to
# be centred and kept above, and it says nothing about platform plugins; where the session reports
# the windows' frames, the main window and the farewell screen come up centred by them.
source "$(dirname "$0")/../e2e-lib.sh"
source "$(dirname "$0")/weston-lib.sh"

start_compositor headless
export DISPLAY=$XWAYLAND_DISPLAY
APP_ENV=(WAYLAND_DISPLAY="$COMPOSITOR_SOCKET" XDG_SESSION_TYPE=wayland)
start_app
MAIN=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" '479x*') ||
    fail "no main window among XWayland's clients"
kill -0 "$APP_PID" || fail "the program ended"
# Weston's window manager for XWayland reports no frame extents; under KWin's the windows must
# come up centred by their frames.
if [ "$compositor" = kwin_wayland ]; then
    expect_frame_centred "$MAIN" "main window"
    exit_to_farewell "$APP_PID"
    expect_frame_centred "$FAREWELL" "farewell screen"
fi
expect_no_platform_warning
pass "the main window ($MAIN) is an X client of XWayland on $DISPLAY"
