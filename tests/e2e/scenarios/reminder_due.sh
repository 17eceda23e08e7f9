#!/bin/bash
# SPDX-License-Identifier: MIT
# A start 15 days after the last question: the question comes first, alone; after No the main
# window comes up, nothing is opened and the stored date has moved to today.
source "$(dirname "$0")/../e2e-lib.sh"

old=$(days_ago 15)
store_date "$old"
start_display
start_app
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "no question"
screenshot question
expect_eq "$(visible_windows "$APP_PID")" 1 "visible windows while the question is open"
[ -z "$(titled_windows_of "$APP_PID" "$WINDOW_TITLE")" ] || fail "main window before the answer"
expect_eq "$(stored_date)" "$old" "stored date before the answer"
expect_eq "$(message_icon "$box")" information "icon of the question"

keys "$box" alt+n
wait_window_gone "$box" || fail "the question stayed after No"
wait_for_main_window "$APP_PID"
screenshot main
no_message_box "$APP_PID" || fail "a second message box"
expect_eq "$(stored_date)" "$(today)" "stored date after No"
expect_eq "$(opened_count)" 0 "addresses opened after No"
pass "question answered No, date moved from $old to $(stored_date)"
