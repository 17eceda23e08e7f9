#!/bin/bash
# SPDX-License-Identifier: MIT
# Help > About Software opens the modal About box; Escape closes it and the main window is as
# it was.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
move_mouse "$MAIN" 470 5
before=$(grab "$MAIN" before)

keys "$MAIN" alt+h a
about=$(EXCLUDE=$MAIN wait_for_window "$APP_PID" "$WINDOW_TITLE" 471x178) || fail "no About box"
screenshot about
window_states "$about" | grep -q _NET_WM_STATE_MODAL || fail "the About box is not modal"
# A dialog that belongs to the main window gets no taskbar entry of its own.
xprop -id "$about" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$MAIN")" ||
    fail "the About box does not belong to the main window"
# While it is open the main window takes no keys: Alt+R must not throw.
xdotool key --clearmodifiers alt+r
keys "$about" Escape
wait_window_gone "$about" || fail "Escape did not close the About box"
window_gone "$MAIN" && fail "the main window went with the About box"
move_mouse "$MAIN" 470 5
poll same_picture "$(grab "$MAIN" after)" "$before" || fail "the main window changed"
expect_eq "$(opened_count)" 0 "addresses opened"
pass "About box opened modally and closed with Escape"
