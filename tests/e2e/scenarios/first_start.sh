#!/bin/bash
# SPDX-License-Identifier: MIT
# First start with an empty home: no question, the main window alone, as designed, centred, and
# the settings file holds today's date.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"
screenshot main

expect_eq "$(window_title "$MAIN")" "$WINDOW_TITLE" "main window title"
expect_eq "$(window_size "$MAIN")" "479x$((273 + MENU_BAR))" "main window size with its menu bar"
[ "$MENU_BAR" -ge 10 ] && [ "$MENU_BAR" -le 40 ] || fail "menu bar of $MENU_BAR pixels"
expect_eq "$(visible_windows "$APP_PID")" 1 "visible windows"
no_message_box "$APP_PID" || fail "a message box came up on a first start"

hints=$(xprop -id "$MAIN" WM_NORMAL_HINTS)
grep -q "minimum size: 479 by $((273 + MENU_BAR))" <<<"$hints" || fail "the window can shrink: $hints"
grep -q "maximum size: 479 by $((273 + MENU_BAR))" <<<"$hints" || fail "the window can grow: $hints"
# The Motif hints are how a program asks for no minimise and no maximise button.
functions=$(xprop -id "$MAIN" _MOTIF_WM_HINTS | sed -n 's/.*= *0x[0-9a-f]*, *\(0x[0-9a-f]*\),.*/\1/p')
[ -n "$functions" ] || fail "no Motif hints on the main window"
[ $((functions & 0x18)) -eq 0 ] || fail "the window offers minimise or maximise ($functions)"

# Centred: the window's own area has its centre at the screen's.
IFS=, read -r x y <<<"$(window_position "$MAIN")"
centre_x=$((x + 479 / 2))
centre_y=$((y + (273 + MENU_BAR) / 2))
[ $((centre_x - 640)) -ge -8 ] && [ $((centre_x - 640)) -le 8 ] &&
    [ $((centre_y - 512)) -ge -30 ] && [ $((centre_y - 512)) -le 30 ] ||
    fail "main window centred at $centre_x,$centre_y, not near 640,512"

# The roll panel is on top: its light green fills the box around the die, and the result
# panel's blue heading is nowhere.
picture=$(grab "$MAIN" panel 51 $((MENU_BAR + 42)) 377 169)
expect_eq "$(pixel_of "$picture" 5 5)" "128,255,128" "panel background"
expect_eq "$(pixels_of_colour "$picture" 0,0,255)" 0 "blue pixels of the result heading"

poll test -n "$(stored_date)" || fail "no date stored"
expect_eq "$(stored_date)" "$(today)" "stored date"
expect_eq "$(opened_count)" 0 "addresses opened"
pass "main window $(window_size "$MAIN") with a ${MENU_BAR}-pixel menu bar, date $(stored_date)"
