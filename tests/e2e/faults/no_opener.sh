#!/bin/bash
# SPDX-License-Identifier: MIT
# No xdg-open anywhere on PATH: a link click does nothing visible, and the window stays usable.
source "$(dirname "$0")/../e2e-lib.sh"

mkdir -p "$E2E_ROOT/empty-bin"
APP_ENV=(PATH="$E2E_ROOT/empty-bin")
start_display
start_app
wait_for_main_window "$APP_PID"
click_main 239 14
click_main 239 236
keys "$MAIN" alt+h v
keys "$MAIN" alt+h a
about=$(EXCLUDE=$MAIN wait_for_window "$APP_PID" "$WINDOW_TITLE" 471x178) ||
    fail "the window stopped reacting after the failed links"
keys "$about" Escape
wait_window_gone "$about" || fail "the About box stayed"
no_message_box "$APP_PID" || fail "a message box came up"
expect_eq "$(opened_count)" 0 "addresses opened"
pass "three links without an opener: nothing shown, the window still reacts"
