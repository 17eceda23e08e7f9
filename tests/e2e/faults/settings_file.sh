#!/bin/bash
# SPDX-License-Identifier: MIT
# A damaged settings file: the program starts as usual with no message of its own, and a date
# that can still be read survives. The damage is the first argument:
#   garbage  binary bytes with a readable date among them
#   empty    an empty file
#   huge     10 MiB of other settings after the date
E2E_VARIANT=$1
source "$(dirname "$0")/../e2e-lib.sh"

kept=$(days_ago 3)
mkdir -p "$(dirname "$SETTINGS_FILE")"
case $E2E_VARIANT in
garbage)
    # Every byte value, NULs and broken UTF-8 included, around an intact section.
    for round in 1 2 3 4; do
        printf "$(printf '\\\\x%02x' $(seq 0 255))"
        printf '\xff\xfe[\x00=\r\n%s\n' "$round"
    done >"$SETTINGS_FILE"
    printf '\n[Settings]\nDuration=%s\n' "$kept" >>"$SETTINGS_FILE"
    for round in 1 2 3 4; do printf "$(printf '\\\\x%02x' $(seq 255 -1 0))"; done >>"$SETTINGS_FILE"
    expected=$kept
    ;;
empty)
    : >"$SETTINGS_FILE"
    expected=$(today)
    ;;
huge)
    printf '[Settings]\nDuration=%s\n[Padding]\n' "$kept" >"$SETTINGS_FILE"
    awk -v limit=10485760 'BEGIN {
        value = sprintf("%1000s", ""); gsub(/ /, "x", value)
        for (n = 1; total < limit; n++) { line = "key" n "=" value; print line; total += length(line) + 1 }
    }' >>"$SETTINGS_FILE"
    expected=$kept
    ;;
*)
    fail "unknown damage '$E2E_VARIANT'"
    ;;
esac
size_before=$(stat -c %s "$SETTINGS_FILE")

start_display
start_app
wait_for_main_window "$APP_PID"
screenshot main
no_message_box "$APP_PID" || fail "a message box came up"
expect_eq "$(visible_windows "$APP_PID")" 1 "visible windows"
poll test "$(stored_date)" = "$expected" || fail "stored date '$(stored_date)', expected '$expected'"
keys "$MAIN" alt+r
kill -0 "$APP_PID" || fail "the program ended"
pass "$E2E_VARIANT file of $size_before bytes: main window, date $(stored_date)"
