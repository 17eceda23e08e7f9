#!/bin/bash
# SPDX-License-Identifier: MIT
# Every window comes up centred by its outer frame, title bar included, as the window manager
# draws it; the farewell screen's check box reacts across its whole width, and an access key
# moves the focus like a click, so the field being left gets its prompt back first.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
expect_frame_centred "$MAIN" "main window"

keys "$MAIN" alt+h a
about=$(EXCLUDE=$MAIN wait_for_window "$APP_PID" "$WINDOW_TITLE" 471x178) || fail "no About box"
expect_frame_centred "$about" "About box"
keys "$about" Escape
wait_window_gone "$about" || fail "Escape did not close the About box"

exit_to_farewell "$APP_PID"
expect_frame_centred "$FAREWELL" "farewell screen"
screenshot farewell

# The check box is 479 pixels wide from x 2; its right end lies far past its caption.
click_farewell 478 154
wait_for_opened 1 || fail "a click at the check box's right end opened nothing"
expect_eq "$(opened_addresses)" "$(home_page_address)" "address opened by the check box"

# Emptied "Your Name", then Alt+N: the focus leaves the field for the button before the checks
# run, so the field shows its prompt again, exactly as before it was entered.
before=$(grab "$FAREWELL" name-before "${FAREWELL_NAME_FIELD[@]}")
click_farewell "${FAREWELL_NAME[@]}"
poll is_active "$FAREWELL" || fail "the farewell screen lost the focus"
same_picture "$(grab "$FAREWELL" name-entered "${FAREWELL_NAME_FIELD[@]}")" "$before" &&
    fail "the prompt was not cleared on entering the name field"
keys "$FAREWELL" alt+n
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "Alt+N did not run the checks"
keys "$box" Return
wait_window_gone "$box" || fail "the refusal stayed after Enter"
poll same_picture "$(grab "$FAREWELL" name-after "${FAREWELL_NAME_FIELD[@]}")" "$before" ||
    fail "Alt+N left the name field without its prompt"
pass "three windows centred by their frames, check box wide, Alt+N restored the prompt"
