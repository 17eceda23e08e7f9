#!/bin/bash
# SPDX-License-Identifier: MIT
# A copy killed with SIGKILL leaves its lock behind; the next start still comes up, and a copy
# started beside that one is refused again.
source "$(dirname "$0")/../e2e-lib.sh"

start_display
start_app
killed=$APP_PID
wait_for_main_window "$killed"
lock_files=$(find "$XDG_RUNTIME_DIR" "${TMPDIR:-/tmp}" -maxdepth 1 -newer "$OPENED_LOG" -name '*.lock' 2>/dev/null | wc -l)
kill -9 "$killed"
wait "$killed" 2>/dev/null || true
wait_window_gone "$MAIN" || fail "the killed copy's window stayed"

start_app
fresh=$APP_PID
wait_for_main_window "$fresh"
screenshot fresh
no_message_box "$fresh" || fail "the fresh start showed a message"
expect_eq "$(visible_windows "$fresh")" 1 "visible windows of the fresh start"

expect_second_copy_refused "$fresh"
pass "fresh start after SIGKILL ($lock_files lock file left behind), and the guard holds again"
