#!/bin/bash
# SPDX-License-Identifier: MIT
# File > Exit closes the main window and brings up the farewell screen alone, centred and kept
# above other windows; the program goes on running; its links open their pages.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"
screenshot farewell

kill -0 "$APP_PID" || fail "the program ended with the main window"
expect_eq "$(visible_windows "$APP_PID")" 1 "visible windows"
window_states "$FAREWELL" | grep -q _NET_WM_STATE_ABOVE || fail "the farewell screen is not kept above: $(window_states "$FAREWELL")"
IFS=, read -r x y <<<"$(window_position "$FAREWELL")"
[ $((x + 741 / 2 - 640)) -ge -8 ] && [ $((x + 741 / 2 - 640)) -le 8 ] &&
    [ $((y + 315 / 2 - 512)) -ge -30 ] && [ $((y + 315 / 2 - 512)) -le 30 ] ||
    fail "farewell screen at $x,$y is not centred"

click_farewell "${FAREWELL_LINK_BOX[@]}"
wait_for_opened 1 || fail "the link box opened nothing"
expect_eq "$(sed -n 1p "$OPENED_LOG")" "$(home_page_address)" "link box address"
click_farewell "${FAREWELL_LINK_BOX[@]}"
wait_for_opened 2 || fail "a second click on the link box opened nothing"
click_farewell "${FAREWELL_LIBRARY_LINK[@]}"
wait_for_opened 3 || fail "the software library link opened nothing"
expect_eq "$(sed -n 3p "$OPENED_LOG")" "http://$SITE_HOST/augurysoftwares" "library link address"
window_gone "$FAREWELL" && fail "the farewell screen went away after its links"
no_message_box "$APP_PID" || fail "a message box came up"
pass "farewell screen above the rest; home page twice and the software library opened"
