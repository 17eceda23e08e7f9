#!/bin/bash
# SPDX-License-Identifier: MIT
# An xdg-open that never finishes: each click hands over its address and returns at once, and
# the window keeps reacting.
source "$(dirname "$0")/../e2e-lib.sh"

cat >"$E2E_ROOT/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo \$\$ >> '$E2E_ROOT/hanging.pids'
for argument in "\$@"; do printf '%s\n' "\$argument" >> '$OPENED_LOG'; done
exec sleep 3600
SCRIPT
E2E_CLEANUPS+=('[ ! -f "$E2E_ROOT/hanging.pids" ] || xargs kill -9 <"$E2E_ROOT/hanging.pids"')

start_display
start_app
wait_for_main_window "$APP_PID"
click_main 239 14
wait_for_opened 1 || fail "the first click opened nothing"
click_main 239 14
wait_for_opened 2 || fail "the second click waited for the first opener"

started=$SECONDS
keys "$MAIN" alt+h a
about=$(EXCLUDE=$MAIN E2E_TIMEOUT=5 wait_for_window "$APP_PID" "$WINDOW_TITLE" 471x178) ||
    fail "the window did not react within 5 s while the opener hangs"
keys "$about" Escape
wait_window_gone "$about" || fail "the About box stayed"
no_message_box "$APP_PID" || fail "a message box came up"
expect_eq "$(wc -l <"$E2E_ROOT/hanging.pids")" 2 "openers still running"
xargs kill -0 <"$E2E_ROOT/hanging.pids" || fail "an opener was stopped by the program"
pass "two hanging openers; the About box came within $((SECONDS - started)) s"
