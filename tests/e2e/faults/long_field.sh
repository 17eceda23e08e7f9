#!/bin/bash
# SPDX-License-Identifier: MIT
# A pasted name of 40 000 characters, short enough for a command line, reaches the referral
# address whole: the fields have no length limit of their own.
source "$(dirname "$0")/../e2e-lib.sh"

name=$E2E_ROOT/work/name.txt
awk 'BEGIN { for (i = 0; i < 4000; i++) printf "An%06dxy", i }' >"$name"
expect_eq "$(wc -c <"$name")" 40000 "length of the pasted name"

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"
click_farewell "${FAREWELL_NAME[@]}"
set_clipboard "$name"
keys "$FAREWELL" ctrl+v
fill_field "${FAREWELL_EMAIL[@]}" "ann@example.org"
fill_field "${FAREWELL_FRIEND_NAME[@]}" "Bob"
fill_field "${FAREWELL_FRIEND_EMAIL[@]}" "bob@example.net"
click_farewell "${FAREWELL_SUBMIT[@]}"
wait_for_opened 1 || fail "the referral opened nothing"
no_message_box "$APP_PID" || fail "a message box came up"
sent=$(query_value "$(opened_addresses)" taf1)
expect_eq "${#sent}" 40000 "length of the name in the address"
[ "$sent" = "$(cat "$name")" ] || fail "the name arrived changed"
pass "a 40 000-character name arrived whole"
