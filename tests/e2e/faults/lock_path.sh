#!/bin/bash
# SPDX-License-Identifier: MIT
# Something other than the program's own lock stands at the lock's place; the program still
# starts at once. The first argument says what:
#   garbage  a file with left-over contents: the lock works as ever, a second copy is refused
#   fifo     a named pipe
#   zero     a link to /dev/zero
#   folder   a folder
#   link     a link to an ordinary file
E2E_VARIANT=$1
source "$(dirname "$0")/../e2e-lib.sh"

case $E2E_VARIANT in
garbage) printf 'cubomancer\n99999\n\x00\xff' >"$LOCK_FILE" ;;
fifo) mkfifo -m 600 "$LOCK_FILE" ;;
zero) ln -s /dev/zero "$LOCK_FILE" ;;
folder) mkdir "$LOCK_FILE" ;;
link)
    echo kept >"$E2E_ROOT/work/target"
    ln -s "$E2E_ROOT/work/target" "$LOCK_FILE"
    ;;
*) fail "unknown lock path '$E2E_VARIANT'" ;;
esac

start_display
start_app
wait_for_main_window "$APP_PID"
no_message_box "$APP_PID" || fail "a message box came up"
if [ "$E2E_VARIANT" = garbage ]; then
    expect_second_copy_refused "$APP_PID"
elif [ "$E2E_VARIANT" = link ]; then
    expect_eq "$(cat "$E2E_ROOT/work/target")" kept "the linked file"
fi
pass "started with a $E2E_VARIANT at the lock's place"
