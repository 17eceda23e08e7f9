#!/bin/bash
# SPDX-License-Identifier: MIT
# The configuration folder and the settings file are read-only and the reminder is due: the
# question comes, No leads to the main window with no message of the program's own, and the
# settings file is unchanged, byte for byte.
source "$(dirname "$0")/../e2e-lib.sh"

old=$(days_ago 20)
store_date "$old"
run_program_unprivileged
chmod 444 "$SETTINGS_FILE"
chmod 555 "$(dirname "$SETTINGS_FILE")" "$XDG_CONFIG_HOME"
checksum=$(sha256sum <"$SETTINGS_FILE")

start_display
start_app
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "no question"
keys "$box" alt+n
wait_window_gone "$box" || fail "the question stayed after No"
wait_for_main_window "$APP_PID"
screenshot main
no_message_box "$APP_PID" || fail "a message box came up after the failed write"
expect_eq "$(visible_windows "$APP_PID")" 1 "visible windows"
expect_eq "$(sha256sum <"$SETTINGS_FILE")" "$checksum" "settings file checksum"
expect_eq "$(stored_date)" "$old" "stored date"
keys "$MAIN" alt+r
kill -0 "$APP_PID" || fail "the program ended"
pass "read-only settings kept $old; the program runs on (as uid $(ps -o uid= -p "$APP_PID" | tr -d ' '))"
