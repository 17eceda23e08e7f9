#!/bin/bash
# SPDX-License-Identifier: MIT
# A referral typed into the farewell screen: an incomplete form is refused with a stop box, a
# complete one opens the referral page, whose query decodes to the trimmed typed values.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"

# The untouched form: both e-mail fields hold their prompts, which have no "@".
click_farewell "${FAREWELL_SUBMIT[@]}"
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "the untouched form was not refused"
screenshot refusal
expect_eq "$(message_icon "$box")" stop "icon of the refusal"
keys "$box" Return
wait_window_gone "$box" || fail "the refusal stayed after Enter"
expect_eq "$(opened_count)" 0 "addresses opened by a refused form"

fill_field "${FAREWELL_NAME[@]}" "  Ann & Co=1  "
fill_field "${FAREWELL_EMAIL[@]}" "ann+list@example.org"
fill_field "${FAREWELL_FRIEND_NAME[@]}" "Bob #2 Jones"
fill_field "${FAREWELL_FRIEND_EMAIL[@]}" "bob@example.net"
screenshot filled
click_farewell "${FAREWELL_SUBMIT[@]}"
wait_for_opened 1 || fail "the complete referral opened nothing"
no_message_box "$APP_PID" || fail "the complete referral was refused"

address=$(opened_addresses)
[[ "$address" == "$(referral_page_address)?"* ]] || fail "address does not start with the referral page: $address"
expect_eq "$(query_value "$address" taf1)" "Ann & Co=1" "taf1"
expect_eq "$(query_value "$address" taf2)" "ann+list@example.org" "taf2"
expect_eq "$(query_value "$address" taf3 | od -An -c | tr -s ' ')" "$(printf 'Your Message\r\n' | od -An -c | tr -s ' ')" "taf3"
expect_eq "$(query_value "$address" taf4)" "Bob #2 Jones" "taf4"
expect_eq "$(query_value "$address" taf5)" "bob@example.net" "taf5"
expect_eq "$(query_value "$address" taf6)" "http://$SITE_HOST/cubomancer/" "taf6"
expect_eq "$(tr -cd '&' <<<"$address" | wc -c)" 5 "parameter separators"
window_gone "$FAREWELL" && fail "the farewell screen went away after the referral"
pass "refusal with a stop icon, then $address"
