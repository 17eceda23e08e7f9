#!/bin/bash
# SPDX-License-Identifier: MIT
# On a desktop in another language (the first argument, a catalogue's code: de, ja, ar, th; the
# second its keyboard layouts: de, jp, ara, or us,th, whose English layout types the Thai
# catalogue's Latin keys: Qt 6.4's menus match the letter typed, not the key's Latin one) the program
# speaks it, Qt's own buttons included: the access keys its catalogues give take it by keys alone
# from the reminder's Yes to the farewell's Exit, Enter pressing the button to the reading on the
# way. Its menu bar is not the English one, and a right-to-left language mirrors the windows.
E2E_VARIANT=$1
source "$(dirname "$0")/../e2e-lib.sh"
language=$E2E_VARIANT
command -v setxkbmap >/dev/null || { echo "SKIP ($SCENARIO): setxkbmap is not installed" >&2; exit 77; }
key() { access_key "$language" "$@"; }

start_display
# The English menu bar, for comparison.
store_date "$(today)"
start_app
wait_for_main_window "$APP_PID"
english_menus=$(grab "$MAIN" menus-en 0 0 479 "$MENU_BAR")
exit_to_farewell "$APP_PID"
keys "$FAREWELL" alt+x
expect_clean_end "$APP_PID" "the English program's Exit"

set_keyboard "$2"
APP_ENV=(LC_ALL= LC_MESSAGES= LANGUAGE= LANG="$language.UTF-8")
store_date "$(days_ago 15)"
start_app
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "no question"
screenshot question
yes=alt+$(key QPlatformTheme "&Yes")
keys "$box" "$yes"
wait_for_opened 1 || fail "$yes (Yes) opened nothing"
expect_eq "$(opened_addresses)" "http://$SITE_HOST/cubomancer/download-cubomancer.html" "address after Yes"

wait_for_main_window "$APP_PID"
[ "$(pixels_differing "$(grab "$MAIN" menus 0 0 479 "$MENU_BAR")" "$english_menus")" != 0 ] ||
    fail "the menu bar is the English one"
heading() { pixels_of_colour "$(grab "$MAIN" panel 51 $((MENU_BAR + 42)) 377 169)" 0,0,255; }
roll=alt+$(key RollSequence "&Roll Dice")
keys "$MAIN" "$roll" "$roll" "$roll" "$roll" Return
poll test "$(heading)" -gt 50 || fail "four presses of $roll (Roll Dice) and Enter showed no reading"
screenshot reading
back=alt+$(key frmMain "&Back")
keys "$MAIN" "$back"
poll test "$(heading)" -eq 0 || fail "$back (Back) left the reading in front"

keys "$MAIN" "alt+$(key frmMain "&File")" "$(key frmMain "E&xit")"
FAREWELL=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" 741x315) || fail "no farewell screen"
screenshot farewell
# The library panel, with its yellow link, stands where lines end: in the right half, and in
# the left where the catalogues turn the layout right to left.
IFS=x read -r width height <<<"$(window_size "$FAREWELL")"
yellow_in_half() { pixels_of_colour "$(grab "$FAREWELL" "half-$1" "$1" 0 $((width / 2)) "$height")" 255,255,0; }
panel_half=$((width / 2)) other_half=0 side=right
if [ "$(translated "$language" QGuiApplication QT_LAYOUT_DIRECTION)" = RTL ]; then
    panel_half=0 other_half=$((width / 2)) side=left
fi
[ "$(yellow_in_half $panel_half)" -gt 50 ] && [ "$(yellow_in_half $other_half)" -eq 0 ] ||
    fail "the library panel does not stand on the $side"
keys "$FAREWELL" "alt+$(key frmFarewell "E&xit")"
expect_clean_end "$APP_PID" "Exit on the farewell screen"
pass "the program in $language, from Yes to Exit, by its access keys in $language"
