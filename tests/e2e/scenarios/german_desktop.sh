#!/bin/bash
# SPDX-License-Identifier: MIT
# On a German desktop the program speaks German, Qt's own buttons included: its German access keys
# (none of which the English program has) take it from the reminder's Ja to the farewell's Beenden,
# Enter pressing "Zum Ergebnis" on the way.
source "$(dirname "$0")/../e2e-lib.sh"

APP_ENV=(LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8)
store_date "$(days_ago 15)"
start_display
start_app
box=$(wait_for_window "$APP_PID" Cubomancer) || fail "no question"
keys "$box" alt+j
wait_for_opened 1 || fail "Alt+J (Ja) opened nothing"
expect_eq "$(opened_addresses)" "http://$SITE_HOST/cubomancer/download-cubomancer.html" "address after Ja"

wait_for_main_window "$APP_PID"
heading() { pixels_of_colour "$(grab "$MAIN" panel 51 $((MENU_BAR + 42)) 377 169)" 0,0,255; }
keys "$MAIN" alt+w alt+w alt+w alt+w Return
poll test "$(heading)" -gt 50 || fail "four presses of Alt+W (Würfeln) and Enter showed no reading"
screenshot reading
keys "$MAIN" alt+z
poll test "$(heading)" -eq 0 || fail "Alt+Z (Zurück) left the reading in front"

keys "$MAIN" alt+d b
FAREWELL=$(wait_for_window "$APP_PID" "$WINDOW_TITLE" 741x315) || fail "no farewell screen"
keys "$FAREWELL" alt+b
expect_clean_end "$APP_PID" "Beenden on the farewell screen"
pass "the German program, from Ja to Beenden, by its German access keys"
