#!/bin/bash
# SPDX-License-Identifier: MIT
# Four throws with Alt+R, each changing the die and the count; the fifth press shows a reading
# on the result panel; Back returns to the roll panel.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
wait_for_main_window "$APP_PID"

# Rectangles of the window's own area: the die, the count caption, the roll button, the panel.
die() { grab "$MAIN" "die-$1" 101 $((MENU_BAR + 66)) 77 116; }
count() { grab "$MAIN" "count-$1" 216 $((MENU_BAR + 110)) 204 24; }
button() { grab "$MAIN" "button-$1" 257 $((MENU_BAR + 170)) 105 25; }
panel() { grab "$MAIN" "panel-$1" 51 $((MENU_BAR + 42)) 377 169; }
park_mouse() { move_mouse "$MAIN" 470 5; }

park_mouse
first_die=$(die 0)
first_button=$(button 0)
previous_count=$(count 0)
for throw in 1 2 3 4; do
    keys "$MAIN" alt+r
    poll test "$(pixels_differing "$(count $throw)" "$previous_count")" != 0 ||
        fail "throw $throw did not change the count"
    previous_count=$(count $throw)
    [ "$(pixels_differing "$(die $throw)" "$first_die")" != 0 ] || fail "throw $throw left the die at R"
    screenshot "throw-$throw"
done
[ "$(pixels_differing "$(button 4)" "$first_button")" != 0 ] ||
    fail "the roll button kept its caption after the fourth throw"
expect_eq "$(pixels_of_colour "$(panel 4)" 0,0,255)" 0 "result heading before the fifth press"

click_main 309 182
park_mouse
poll test "$(pixels_of_colour "$(panel 5)" 0,0,255)" -gt 50 || fail "no result panel after the fifth press"
screenshot reading

# Alt+B presses Back: the roll panel returns with the die at R again.
keys "$MAIN" alt+b
# The label fits itself to its text, so the R may stand aside by a fraction of a pixel: compare
# the amount of ink, within 2 %.
r_ink=$(pixels_of_colour "$first_die" 0,128,0)
same_ink_as_r() {
    local ink
    ink=$(pixels_of_colour "$(die back)" 0,128,0)
    [ $(((ink - r_ink) * (ink - r_ink) * 2500)) -le $((r_ink * r_ink)) ]
}
poll same_ink_as_r || fail "the die did not return to R after Back"
expect_eq "$(pixels_of_colour "$(panel back)" 0,0,255)" 0 "result heading after Back"
screenshot back
no_message_box "$APP_PID" || fail "a message box came up"
pass "four throws, a reading, and back to the roll panel"
