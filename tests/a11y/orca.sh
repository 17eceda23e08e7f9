#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The journey once more with the Orca screen reader listening: what it would say is in the
# SPEECH OUTPUT lines of its debug log (no sound is needed). After each throw it says the die,
# after "Show Result" the reading, on entering a referral field the field's name, and when the
# farewell screen appears its support message.
source "$(dirname "$0")/a11y-lib.sh"
command -v orca >/dev/null || { echo "SKIP ($SCENARIO): orca is not installed" >&2; exit 77; }

ORCA_LOG=$E2E_ROOT/orca.debug
speech() {
    sed -n 's/^.* - SPEECH OUTPUT: //p' "$ORCA_LOG" 2>/dev/null
}
# Waits until Orca has said the text (its first 60 characters, as long texts come in pieces).
said() {
    speech | tail -n +"$1" | grep -qF -- "${2:0:60}"
}
expect_said() {
    [ -n "$1" ] || fail "nothing to listen for"
    poll said "$SPOKEN" "$1" || fail "Orca did not say '$1'; it said: $(speech | tail -n +"$SPOKEN")"
    SPOKEN=$(($(speech | wc -l) + 1))
}
E2E_CLEANUPS+=('speech >"$ARTEFACTS/$SCENARIO-speech.txt"; cp "$E2E_ROOT/orca.out" "$ORCA_LOG" "$ARTEFACTS/"')

# Orca writes its log in blocks; a customisation of this private home has it write each line
# at once, so that the test can follow what it says.
mkdir -p "$XDG_DATA_HOME/orca"
printf 'import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$XDG_DATA_HOME/orca/orca-customizations.py"

start_display
start_accessibility_bus
orca --replace -d braille --debug-file "$ORCA_LOG" >"$E2E_ROOT/orca.out" 2>&1 &
E2E_PIDS+=($!)
SPOKEN=1
expect_said "Screen reader on"
start_app
wait_for_main_window "$APP_PID"
activate "$MAIN"
button=$(atspi focused "push button" "Roll Dice")
# Qt 6.4's AT-SPI bridge drops a window's activation and focus that come before it has learnt
# which events the screen reader listens to: a window shown fast may start unannounced. A user
# then moves the focus away and back, and Orca follows; so does the test.
if ! E2E_TIMEOUT=5 poll said "$SPOKEN" "$button"; then
    echo "Orca did not present the new window: Tab and Shift+Tab" >&2
    keys "$MAIN" Tab shift+Tab
fi
expect_said "$button"

for throw in 1 2 3 4; do
    keys "$MAIN" space
    atspi name label "Roll Your Dice $throw .*" >/dev/null
    die=$(atspi name label "Die shows [1-6]")
    expect_said "$die"
done
keys "$MAIN" space
atspi focused "push button" "Back"
reading=$(atspi name label "(?!Cubomancer Result).+")
expect_said "$reading"
pass "Orca says each throw and the reading"

exit_to_farewell "$APP_PID"
message=$(atspi dialog-says "$WINDOW_TITLE")
expect_said "$message"
pass "Orca says the farewell screen's message"

keys "$FAREWELL" Tab
atspi focused "check box" ".+"
keys "$FAREWELL" Tab
prompts=$(atspi prompts | paste -sd'|')
field=$(atspi focused text "$prompts")
expect_said "$field"
pass "Orca names the referral field"
keys "$FAREWELL" alt+x
wait_for_exit "$APP_PID" || fail "Alt+X did not end the program"
