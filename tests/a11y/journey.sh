#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole journey with keys alone, read back through the accessibility bus: four throws, the
# reading, back, every menu item, the About box, the farewell screen, a referral, leaving.
source "$(dirname "$0")/a11y-lib.sh"

start_display
start_accessibility_bus
start_app
wait_for_main_window "$APP_PID"
activate "$MAIN"

atspi tree "$WINDOW_TITLE" frame divination/frmmain.ui
atspi focused "push button" "Roll Dice" >/dev/null
for throw in 1 2 3 4; do
    keys "$MAIN" space
    atspi focused "push button" "Roll Dice|Show Result" >/dev/null
    atspi name label "Roll Your Dice $throw .*" >/dev/null
    die=$(atspi name label "Die shows [1-6]")
    atspi announced "$die\. Roll Your Dice $throw .*"
done
keys "$MAIN" space
atspi focused "push button" "Back" >/dev/null
atspi tree "$WINDOW_TITLE" frame divination/frmmain.ui
keys "$MAIN" alt+b
atspi focused "push button" "Roll Dice" >/dev/null
pass "throws, reading and back"

# Every menu item that opens a page, then the links of the window, each once.
opened=0
for item in "alt+h o" "alt+h v" "alt+h c" "alt+d"; do
    keys "$MAIN" $item
    opened=$((opened + 1))
    wait_for_opened $opened || fail "$item opened nothing"
done
links=$(atspi press-links "$WINDOW_TITLE" frame)
opened=$((opened + links))
wait_for_opened $opened || fail "the main window's $links links did not each open a page"
# and one of them from the keyboard
keys "$MAIN" shift+Tab
atspi focused link ".+" >/dev/null
keys "$MAIN" Return
opened=$((opened + 1))
wait_for_opened $opened || fail "Enter on a link opened nothing"
pass "menu items and links"

keys "$MAIN" alt+h a
ABOUT=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" '471x178') || fail "no About box"
atspi tree "$WINDOW_TITLE" dialog divination/frmabout.ui
links=$(atspi press-links "$WINDOW_TITLE" dialog)
opened=$((opened + links))
wait_for_opened $opened || fail "the About box's $links links did not each open a page"
keys "$ABOUT" Escape
wait_window_gone "$ABOUT" || fail "Escape left the About box open"
pass "About box"

exit_to_farewell "$APP_PID"
atspi dialog-says "$WINDOW_TITLE" >/dev/null
atspi tree "$WINDOW_TITLE" dialog farewell/frmfarewell.ui
links=$(atspi press-links "$WINDOW_TITLE" dialog)
opened=$((opened + links))
wait_for_opened $opened || fail "the farewell screen's $links links did not each open a page"
activate "$FAREWELL"
atspi focused "push button" "Exit" >/dev/null
keys "$FAREWELL" Tab space
opened=$((opened + 1))
wait_for_opened $opened || fail "Space on the check box opened nothing"
# Along the tab order, filling in the referral; a field keeps its name whatever is typed.
step() {
    keys "$FAREWELL" Tab
    atspi focused "$1" "$2" >/dev/null
    if [ -n "${3:-}" ]; then
        type_text "$3"
        atspi focused "$1" "$2" >/dev/null
    fi
}
step text "Your Name" "Ann"
step "push button" "Refer A Friend Now"
step text "Your Email Address" "ann@example.org"
step text "Friend's Email Address" "bob@example.org"
step text "Friend's Name" "Bob"
step text "Your Message"
step link "Click Here To Visit Augury Softwares"
keys "$FAREWELL" Return
opened=$((opened + 1))
wait_for_opened $opened || fail "Enter on the software library link opened nothing"
keys "$FAREWELL" alt+n
opened=$((opened + 1))
wait_for_opened $opened || fail "Alt+N sent no referral"
referral=$(tail -n1 "$OPENED_LOG")
[[ $referral == "$(referral_page_address)?"* ]] || fail "not a referral: $referral"
expect_eq "$(query_value "$referral" taf1)" "Ann" "the referrer's name"
pass "farewell screen and a referral"

grep -v "^http://\($SITE_HOST\|$HELP_HOST\)/*" "$OPENED_LOG" && fail "an address off the maker's hosts"
[ "$(opened_count)" -eq "$opened" ] || fail "expected $opened pages opened, got $(opened_count)"
keys "$FAREWELL" alt+x
expect_exit_status "$APP_PID" 0 "after Alt+X"
pass "left with Alt+X"
