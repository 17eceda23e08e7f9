#!/bin/bash
# SPDX-License-Identifier: MIT
# XDG_RUNTIME_DIR names a folder that does not exist: the program starts, and a second copy is
# still refused.
source "$(dirname "$0")/../e2e-lib.sh"

rm -rf "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR=$E2E_ROOT/no-such-runtime
start_display
start_app
first=$APP_PID
wait_for_main_window "$first"
no_message_box "$first" || fail "a message box came up"
screenshot main

expect_second_copy_refused "$first"
pass "started without a runtime folder; the second copy was refused"
