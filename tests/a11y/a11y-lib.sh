# SPDX-License-Identifier: MIT
# The end-to-end set-up plus what a screen reader needs: a private D-Bus session bus with the
# desktop's accessibility bus on it, and Qt told to serve that bus. Source it from a scenario.
# Needs SOURCE_DIR (the source tree) besides what e2e-lib.sh needs.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e-lib.sh"

AT_SPI_BUS_LAUNCHER=${AT_SPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}
# The system's own Python: pyatspi is a Debian package, not a pip one.
PYTHON=/usr/bin/python3
[ -x "$AT_SPI_BUS_LAUNCHER" ] || { echo "SKIP ($SCENARIO): at-spi2-core is not installed" >&2; exit 77; }
for tool in dbus-daemon dbus-send; do
    command -v $tool >/dev/null || { echo "SKIP ($SCENARIO): $tool is not installed" >&2; exit 77; }
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null || { echo "SKIP ($SCENARIO): python3-pyatspi is not installed" >&2; exit 77; }
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Starts the session bus and the accessibility bus on it; call after start_display.
start_accessibility_bus() {
    local out=$E2E_ROOT/session-bus
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
        3>"$out.address" 4>"$out.pid" 2>"$E2E_ROOT/dbus.out" || fail "no session bus"
    E2E_PIDS+=("$(cat "$out.pid")")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$out.address")
    "$AT_SPI_BUS_LAUNCHER" --launch-immediately >"$E2E_ROOT/at-spi.out" 2>&1 &
    E2E_PIDS+=($!)
    poll accessibility_bus_up || fail "the accessibility bus did not start"
}

accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}

# Runs the bus checks of this folder; the arguments name the step.
atspi() {
    "$PYTHON" "$SOURCE_DIR/tests/a11y/atspi_checks.py" "$@" || fail "accessibility bus check failed: $*"
}
