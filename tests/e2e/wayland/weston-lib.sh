# SPDX-License-Identifier: MIT
# Helpers of the Wayland end-to-end tests, sourced after e2e-lib.sh: Debian's Weston with
# XWayland, either headless or as a window on the private X server (xdotool can only reach a
# compositor through the X server it runs on); with E2E_WINDOW_MANAGER=kwin, KDE Plasma's
# Wayland session instead, KWin with XWayland, headless; with mutter, GNOME's, mutter headless.

case $E2E_WINDOW_MANAGER in
kwin) compositor=kwin_wayland ;;
mutter) compositor=mutter ;;
*) compositor=weston ;;
esac
for tool in "$compositor" Xwayland; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP ($SCENARIO): $tool is not installed" >&2
        exit 77
    fi
done
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so" >/dev/null; then
    echo "SKIP ($SCENARIO): Qt's Wayland platform plugin (qt6-wayland) is not installed" >&2
    exit 77
fi
# The program decides the platform itself here.
unset QT_QPA_PLATFORM

# Starts the compositor with XWayland on the given backend (headless or x11; KWin and mutter
# only headless); sets COMPOSITOR_SOCKET (its socket's name) and XWAYLAND_DISPLAY. XWayland's socket
# goes where every X server's does; the compositors do not make the folder.
start_compositor() {
    if [ ! -d /tmp/.X11-unix ]; then
        mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || {
            echo "SKIP ($SCENARIO): /tmp/.X11-unix is missing and cannot be made" >&2
            exit 77
        }
    fi
    COMPOSITOR_SOCKET=cubomancer-e2e-$$
    case $compositor in
    weston) start_weston "$1" ;;
    *)
        [ "$1" = headless ] || fail "$compositor runs here headless only"
        "start_$compositor"
        ;;
    esac
}

start_weston() {
    local log=$E2E_ROOT/weston.out
    # No panel: its launcher must not catch a stray click.
    printf '[shell]\npanel-position=none\n' >"$E2E_ROOT/weston.ini"
    weston --config="$E2E_ROOT/weston.ini" --backend="$1-backend.so" --width=1024 --height=768 \
        --socket="$COMPOSITOR_SOCKET" --xwayland --idle-time=0 >"$log" 2>&1 &
    E2E_PIDS+=($!)
    poll grep -q 'xserver listening on display' "$log" || fail_compositor weston "Weston did not start"
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n1)
    poll test -S "$XDG_RUNTIME_DIR/$COMPOSITOR_SOCKET" || fail_compositor weston "Weston made no socket"
}

# KDE Plasma's Wayland session, KWin on its virtual screen.
start_kwin_wayland() {
    local kwin
    kwin=$(command -v kwin_wayland)
    # Debian's kwin_wayland 5.27 carries the file capability cap_sys_resource; where that is
    # outside the bounding set (in a container) it cannot be run, and a copy without it runs.
    if ! "$kwin" --version >/dev/null 2>&1; then
        cp "$kwin" "$E2E_ROOT/bin/kwin_wayland"
        kwin=$E2E_ROOT/bin/kwin_wayland
    fi
    start_session "$kwin" --virtual --xwayland --width 1280 --height 1024 --socket "$COMPOSITOR_SOCKET"
}

# GNOME's Wayland session, mutter on a virtual monitor.
start_mutter() {
    start_session mutter --wayland --headless --virtual-monitor 1280x1024 \
        --wayland-display "$COMPOSITOR_SOCKET"
}

# Starts a desktop's compositor with a session bus of its own. Its XWayland is its child on the
# display the child's command line names, admitting the clients that know the cookie of its -auth
# file; KWin 6 starts it only once a client connects, on the display whose lock KWin holds.
start_session() {
    start_private_bus "$compositor-bus"
    DBUS_SESSION_BUS_ADDRESS=$PRIVATE_BUS "$@" >"$E2E_ROOT/$compositor.out" 2>&1 &
    SESSION_PID=$!
    E2E_PIDS+=($SESSION_PID)
    poll session_x_display >/dev/null || fail_compositor "$compositor" "$compositor holds no X display"
    XWAYLAND_DISPLAY=$(session_x_display)
    XAUTHORITY=$(ps -o args= --ppid "$SESSION_PID" | sed -n 's/^[^ ]*Xwayland .*-auth \([^ ]*\).*/\1/p' || true)
    [ -z "$XAUTHORITY" ] || export XAUTHORITY
    poll test -S "$XDG_RUNTIME_DIR/$COMPOSITOR_SOCKET" || fail_compositor "$compositor" "$compositor made no socket"
    DISPLAY=$XWAYLAND_DISPLAY poll window_manager_running ||
        fail_compositor "$compositor" "$compositor manages no X windows"
}

session_x_display() {
    local lock
    ps -o args= --ppid "$SESSION_PID" | awk '$1 ~ /Xwayland$/ && $2 ~ /^:/ { print $2; found = 1 } END { exit !found }' &&
        return 0
    for lock in /tmp/.X*-lock; do
        [ -f "$lock" ] && [ "$(tr -d ' \n' <"$lock")" = "$SESSION_PID" ] || continue
        lock=${lock#/tmp/.X}
        echo ":${lock%-lock}"
        return 0
    done
    return 1
}

# Fails with the compositor's log (NAME.out) and the message.
fail_compositor() {
    echo "--- $1.out:" >&2
    tail -n 20 "$E2E_ROOT/$1.out" >&2 || true
    fail "$2"
}

# The program's output must not carry Qt's complaints about platform plugins.
expect_no_platform_warning() {
    if grep -E 'qt\.qpa|platform plugin' "$E2E_ROOT/app.out"; then
        fail "the program printed a platform warning"
    fi
}

# Weston draws its clients into one window of the private X server, so the program's windows are
# found in screenshots. Prints "x y width height" of the largest solid area of the colour r,g,b
# (lines and outlines left out).
largest_area_of() {
    local shot=$E2E_ROOT/work/screen.png
    import -window root "$shot" 2>/dev/null || return 1
    # All else turns black; ImageMagick names some colours, so the areas left are the others.
    convert "$shot" -fill black +opaque "rgb($1)" -define connected-components:verbose=true \
        -connected-components 4 null: |
        awk '$NF != "srgb(0,0,0)" && $NF != "black" { split($2, g, /[x+]/); if (g[2] >= 20 && 8 * $4 >= g[1] * g[2]) print $4, g[3], g[4], g[1], g[2] }' |
        sort -nr | head -n1 | cut -d' ' -f2-
}

# Waits for an area of the colour at least the given width; sets AREA to "x y width height".
wait_for_area() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until AREA=$(largest_area_of "$1") && [ -n "$AREA" ] && [ "$(cut -d' ' -f3 <<<"$AREA")" -ge "$2" ]; do
        [ $SECONDS -lt $deadline ] || return 1
        kill -0 "$APP_PID" 2>/dev/null || return 1
        sleep 0.2
    done
}

# Clicks the maximise button of Qt's title bar above a window whose area starts at x y and is
# width wide: the button's mark is the last dark one above the area, 37 pixels left of its right
# edge (black on an active window, grey on another).
click_maximise_above() {
    local x=$(($1 + $3 - 37)) y=$2 mark
    mark=$(convert "$E2E_ROOT/work/screen.png" -crop "1x60+$x+$((y - 60))" +repage \
        -colorspace Gray -depth 8 txt:- | sed -n 's/^0,\([0-9]*\): *(\([0-9.]*\).*/\1 \2/p' |
        awk '$2 < 200 { last = $1 } END { print last }')
    [ -n "$mark" ] || fail "no maximise button above the window at $1,$2"
    xdotool mousemove "$x" $((y - 60 + mark)) click 1
}

narrower_area() {
    local area
    area=$(largest_area_of "$1") || return 1
    [ -z "$area" ] || [ "$(cut -d' ' -f3 <<<"$area")" -lt "$2" ]
}
