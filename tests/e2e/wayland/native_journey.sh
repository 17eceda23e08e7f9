#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# With Wayland and no X display, the program runs natively: the whole journey works, and a
# maximise request on a fixed-size window does not get it killed by the compositor.
source "$(dirname "$0")/../e2e-lib.sh"
source "$(dirname "$0")/weston-lib.sh"

start_display
start_compositor x11
APP_ENV=(-u DISPLAY WAYLAND_DISPLAY="$COMPOSITOR_SOCKET")
start_app
dark_green=0,64,0
white=255,255,255
wait_for_area "$dark_green" 479 || fail "no main window"
read -r x y width _ <<<"$AREA"
click_maximise_above "$x" "$y" "$width"
sleep 1
kill -0 "$APP_PID" || fail "maximising the main window ended the program"
screenshot maximised

keys_to_compositor() { xdotool key --delay 100 "$@"; }
keys_to_compositor alt+h a
wait_for_area "$white" 471 || fail "no About box"
read -r x y width _ <<<"$AREA"
click_maximise_above "$x" "$y" "$width"
sleep 1
kill -0 "$APP_PID" || fail "maximising the About box ended the program"
screenshot about-maximised
keys_to_compositor Return
poll narrower_area "$white" 471 || fail "the About box stayed"

# The compositor gives the keyboard back to the main window in its own time once the About box
# has gone; a click on the main window's bare margin makes sure the menu keys reach it.
wait_for_area "$dark_green" 479 || fail "no main window after the About box"
read -r x y _ height <<<"$AREA"
xdotool mousemove "$((x + 5))" "$((y + height / 2))" click 1
keys_to_compositor alt+f x
navy=0,0,128
wait_for_area "$navy" 100 || fail "no farewell screen"
screenshot farewell
read -r x y _ <<<"$AREA"
xdotool mousemove "$((x + 5))" "$((y + 5))" click 1
keys_to_compositor alt+x
expect_exit_status "$APP_PID" 0 "after the farewell screen's Exit"
expect_no_platform_warning
pass "native journey ended with status 0"
