#!/bin/bash
# SPDX-License-Identifier: MIT
# A click on the banner hands the home-page address to the desktop's opener, once per click.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
click_main 239 14
wait_for_opened 1 || fail "the banner click opened nothing"
expect_eq "$(opened_addresses)" "$(home_page_address)" "address opened"
click_main 239 14
wait_for_opened 2 || fail "the second click opened nothing"
expect_eq "$(sed -n 2p "$OPENED_LOG")" "$(home_page_address)" "address opened by the second click"
no_message_box "$APP_PID" || fail "a message box came up"
pass "banner opened $(home_page_address) twice"
