#!/bin/bash
# SPDX-License-Identifier: MIT
# 1 MiB pasted into each of the five referral fields, the hidden message field included: the
# screen stays usable and shows no message of its own. The resulting address is far beyond what
# a command line can carry, so nothing may open; whatever does open must be whole.
source "$(dirname "$0")/../e2e-lib.sh"

# 1 MiB of printable text that passes the e-mail checks, distinct for each field.
make_paste() {
    local file=$E2E_ROOT/work/$1.txt
    {
        printf '%s' "$2"
        awk -v n=1048576 -v seed="$1" 'BEGIN {
            line = ""; for (i = 0; i < 64; i++) line = line substr("abcdefghij klmnop.@&=#+%", (i * 7 + length(seed)) % 24 + 1, 1)
            for (total = 0; total < n; total += 64) printf "%s", line
        }'
    } | head -c 1048576 >"$file"
    echo "$file"
}

start_display
start_app
wait_for_main_window "$APP_PID"
exit_to_farewell "$APP_PID"

paste_into() {
    set_clipboard "$1"
    keys "$FAREWELL" ctrl+a ctrl+v
}
click_farewell "${FAREWELL_NAME[@]}"
paste_into "$(make_paste name 'Ann ')"
click_farewell "${FAREWELL_EMAIL[@]}"
paste_into "$(make_paste email 'ann@example.org ')"
click_farewell "${FAREWELL_FRIEND_NAME[@]}"
paste_into "$(make_paste friendname 'Bob ')"
click_farewell "${FAREWELL_FRIEND_EMAIL[@]}"
paste_into "$(make_paste friendemail 'bob@example.net ')"
# The message field lies out of sight; Tab from the friend's e-mail... name reaches it.
click_farewell "${FAREWELL_FRIEND_NAME[@]}"
keys "$FAREWELL" Tab
paste_into "$(make_paste message 'Hello ')"
screenshot pasted

started=$SECONDS
click_farewell "${FAREWELL_SUBMIT[@]}"
# The screen must still react: the link box opens the home page.
click_farewell "${FAREWELL_LINK_BOX[@]}"
poll grep -qx "$(home_page_address)" "$OPENED_LOG" || fail "the screen stopped reacting after the submission"
reaction=$((SECONDS - started))
[ "$reaction" -le 10 ] || fail "the screen took $reaction s to react"
no_message_box "$APP_PID" || fail "a message box came up"
while IFS= read -r address; do
    [ "$address" = "$(home_page_address)" ] && continue
    [[ "$address" == "$(referral_page_address)?taf1=Ann%20"* ]] || fail "a broken referral address was opened"
    expect_eq "$(tr -cd '&' <<<"$address" | wc -c)" 5 "parameter separators of the opened referral"
done <"$OPENED_LOG"
kill -0 "$APP_PID" || fail "the program ended"
pass "5 MiB pasted and submitted; the screen reacted within $reaction s; $(opened_count) address(es) opened"
