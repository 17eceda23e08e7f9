# SPDX-License-Identifier: MIT
# Shared helpers of the end-to-end tests: a private X server with a window manager, a private
# home, and a stand-in xdg-open that logs each address it is given. Source it from a scenario.
# Needs in the environment: CUBOMANCER (the executable), ARTEFACTS (a folder for screenshots),
# SITE_HOST (the main web site's host the program was built with) and CUBOMANCER_VERSION (the
# version it was built as).
#
# Every wait polls with a deadline (E2E_TIMEOUT seconds, 30 by default), so a slow, loaded
# machine only makes the tests slower, never wrong.

set -euo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-30}
SCENARIO=$(basename "$0" .sh)${E2E_VARIANT:+-$E2E_VARIANT}${E2E_WINDOW_MANAGER:+-$E2E_WINDOW_MANAGER}

# The window manager: openbox, unless E2E_WINDOW_MANAGER names KWin (kwin, as KDE Plasma runs X
# programs, with its Breeze frames) or GNOME's mutter.
case ${E2E_WINDOW_MANAGER:=openbox} in
openbox) WINDOW_MANAGER=(openbox --sm-disable) ;;
kwin) WINDOW_MANAGER=(kwin_x11 --replace) ;;
mutter) WINDOW_MANAGER=(mutter --x11 --replace) ;;
*) echo "FAIL ($SCENARIO): unknown window manager $E2E_WINDOW_MANAGER" >&2 && exit 1 ;;
esac

# A missing tool is a set-up problem, not a failure of the program: CTest shows the test as
# skipped (exit status 77) and names the tool.
tools=(Xvfb "${WINDOW_MANAGER[0]}" xdotool xwininfo xprop import compare convert xclip)
[ "$E2E_WINDOW_MANAGER" = openbox ] || tools+=(dbus-daemon)
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP ($SCENARIO): $tool is not installed" >&2
        exit 77
    fi
done
if [ "$E2E_WINDOW_MANAGER" = kwin ] &&
    ! compgen -G "/usr/lib/*/qt[56]/plugins/org.kde.kdecoration[23]/*breeze*.so" >/dev/null; then
    echo "SKIP ($SCENARIO): KWin's Breeze frames (kwin-style-breeze) are not installed" >&2
    exit 77
fi
: "${CUBOMANCER:?CUBOMANCER must name the program}" "${ARTEFACTS:?}" "${SITE_HOST:?}" "${CUBOMANCER_VERSION:?}"
# The title of every window of the program.
WINDOW_TITLE="Cubomancer v$CUBOMANCER_VERSION"

E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/cubomancer-e2e.XXXXXX")
chmod 755 "$E2E_ROOT"
export HOME=$E2E_ROOT/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$E2E_ROOT/runtime
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
export XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
    "$E2E_ROOT/bin" "$E2E_ROOT/work"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
# Text typed into the program must arrive as typed, whatever the machine's locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
OPENED_LOG=$E2E_ROOT/opened.log
LOCK_FILE=$XDG_RUNTIME_DIR/$(basename "$CUBOMANCER").lock
SETTINGS_FILE=$XDG_CONFIG_HOME/cubomancer/cubomancer.conf
: >"$OPENED_LOG"
chmod 666 "$OPENED_LOG"
cat >"$E2E_ROOT/bin/xdg-open" <<SCRIPT
#!/bin/sh
for argument in "\$@"; do printf '%s\n' "\$argument" >> '$OPENED_LOG'; done
SCRIPT
chmod 755 "$E2E_ROOT/bin/xdg-open"
export PATH=$E2E_ROOT/bin:$PATH
mkdir -p "$ARTEFACTS"
rm -f "$ARTEFACTS/$SCENARIO"-*.png

# Command prefix for the program; empty unless the scenario drops root's rights. APP_ENV holds
# NAME=value settings for the program alone.
APP_WRAPPER=()
APP_ENV=()
E2E_PIDS=()
E2E_CLEANUPS=()
cleanup() {
    local pid step i
    for step in "${E2E_CLEANUPS[@]}"; do eval "$step" || true; done
    # The program first, the X server last, and each given a moment to go on its own, so the
    # server removes its lock and socket for the next test.
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    chmod -R u+rwX "$E2E_ROOT" 2>/dev/null || true
    rm -rf "$E2E_ROOT"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($SCENARIO): $*" >&2
    screenshot "failure" || true
    local log
    for log in "$E2E_ROOT/app.out" "$E2E_ROOT/wm.out" "$E2E_ROOT/xvfb.out"; do
        if [ -s "$log" ]; then
            echo "--- $(basename "$log"):" >&2
            tail -n 20 "$log" >&2
        fi
    done
    exit 1
}

pass() {
    echo "PASS ($SCENARIO): $*"
}

expect_eq() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

# Runs a command until it succeeds or the deadline passes.
poll() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# Starts Xvfb on a free display and the window manager on it.
start_display() {
    local fd_file=$E2E_ROOT/display
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >"$E2E_ROOT/xvfb.out" 2>&1 &
    E2E_PIDS+=($!)
    poll test -s "$fd_file" || fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$fd_file")
    # KWin's and mutter's key bindings (Alt+F4 among them) are served over a session bus: they
    # get one of their own.
    local bus=()
    if [ "$E2E_WINDOW_MANAGER" != openbox ]; then
        start_private_bus wm
        bus=(DBUS_SESSION_BUS_ADDRESS="$PRIVATE_BUS")
    fi
    # Plasma 6 starts the daemon of the global shortcuts itself, not on the bus's demand; KWin
    # binds its keys through it.
    local shortcuts
    shortcuts=$(compgen -G "/usr/lib/*/libexec/kglobalacceld" | head -n1 || true)
    if [ "$E2E_WINDOW_MANAGER" = kwin ] && [ -n "$shortcuts" ]; then
        env "${bus[@]}" "$shortcuts" >>"$E2E_ROOT/wm.out" 2>&1 &
        E2E_PIDS+=($!)
        poll bus_name_owned "$PRIVATE_BUS" org.kde.kglobalaccel || fail "kglobalacceld did not start"
    fi
    # The window manager is up once it has claimed the screen; on a loaded machine it gets a
    # second chance.
    local attempt
    for attempt in 1 2; do
        env "${bus[@]}" "${WINDOW_MANAGER[@]}" >>"$E2E_ROOT/wm.out" 2>&1 &
        E2E_PIDS+=($!)
        E2E_TIMEOUT=$((E2E_TIMEOUT / 2)) poll window_manager_running && return 0
        echo "$E2E_WINDOW_MANAGER did not claim $DISPLAY (attempt $attempt)" >>"$E2E_ROOT/wm.out"
        kill -9 "$!" 2>/dev/null || true
    done
    fail "$E2E_WINDOW_MANAGER did not start"
}

# Starts a session bus for a desktop component, logging to NAME.out; sets PRIVATE_BUS to its
# address.
start_private_bus() {
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
        3>"$E2E_ROOT/$1-bus.address" 4>"$E2E_ROOT/$1-bus.pid" 2>>"$E2E_ROOT/$1.out" ||
        fail "no session bus for $1"
    E2E_PIDS+=("$(cat "$E2E_ROOT/$1-bus.pid")")
    PRIVATE_BUS=$(head -n1 "$E2E_ROOT/$1-bus.address")
}

bus_name_owned() {
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        "string:$2" 2>/dev/null | grep -q 'boolean true'
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# From here on the program runs as the unprivileged user "nobody" when the tests run as root,
# so that file permissions mean to it what they mean to an ordinary user.
run_program_unprivileged() {
    [ "$(id -u)" -eq 0 ] || return 0
    command -v setpriv >/dev/null || { echo "SKIP ($SCENARIO): setpriv is missing" >&2; exit 77; }
    chown -R 65534:65534 "$HOME" "$XDG_RUNTIME_DIR"
    chmod 777 "$E2E_ROOT/work"
    APP_WRAPPER=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
    # A build tree inside root's home is closed to other users: run a copy, under the same name.
    if ! "${APP_WRAPPER[@]}" test -x "$CUBOMANCER"; then
        mkdir -p "$E2E_ROOT/program"
        cp "$CUBOMANCER" "$E2E_ROOT/program/"
        CUBOMANCER=$E2E_ROOT/program/$(basename "$CUBOMANCER")
    fi
}

# Starts the program in the background; its pid is in APP_PID. Each start has its own output.
APP_STARTS=0
start_app() {
    APP_STARTS=$((APP_STARTS + 1))
    env "${APP_ENV[@]}" "${APP_WRAPPER[@]}" "$CUBOMANCER" >"$E2E_ROOT/app.out.$APP_STARTS" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=($APP_PID)
    ln -sf "app.out.$APP_STARTS" "$E2E_ROOT/app.out"
}

# The visible windows of a process, one id a line.
windows_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

visible_windows() {
    windows_of "$1" | wc -l
}

# Visible windows of the process whose title is exactly the given one.
titled_windows_of() {
    local pid=$1 title=$2 id
    for id in $(windows_of "$pid"); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ] && echo "$id"
    done
    return 0
}

window_title() {
    xdotool getwindowname "$1"
}

# Prints the id of a visible window of the process with this title and a size matching the
# pattern (WxH, globs allowed; "" for any), not among the ids in EXCLUDE.
find_window() {
    local pid=$1 title=$2 size=${3:-} id
    for id in $(titled_windows_of "$pid" "$title"); do
        [[ " ${EXCLUDE:-} " == *" $id "* ]] && continue
        [ -z "$size" ] || [[ "$(window_size "$id")" == $size ]] || continue
        echo "$id"
        return 0
    done
    return 1
}

wait_for_window() {
    local id deadline=$((SECONDS + E2E_TIMEOUT))
    until id=$(find_window "$@"); do
        [ $SECONDS -lt $deadline ] || return 1
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    echo "$id"
}

window_gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

wait_window_gone() {
    poll window_gone "$1"
}

window_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

window_position() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x "," y}'
}

# How far the centre of the window's outer frame (title bar and borders included, as the window
# manager reports them) lies from the centre of the work area: "dx,dy" in pixels.
frame_offset_from_centre() {
    local left right top bottom x y w h area area_x area_y area_w area_h
    IFS=', ' read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//')"
    # Without a work area (KWin 5.27 sets none) the whole screen is the available area.
    area=$(xprop -root _NET_WORKAREA | sed -n 's/.*= *//p')
    IFS=', ' read -r area_x area_y area_w area_h _ <<<"${area:-0,0,$(xdotool getdisplaygeometry | tr ' ' ,)}"
    IFS=, read -r x y <<<"$(window_position "$1")"
    IFS=x read -r w h <<<"$(window_size "$1")"
    echo "$(((2 * (x - left - area_x) + left + w + right - area_w) / 2)),$(((2 * (y - top - area_y) + top + h + bottom - area_h) / 2))"
}

# Fails unless the window's frame is centred on the screen within a pixel each way, or within
# the pixels the third argument allows.
expect_frame_centred() {
    local dx dy within=${3:-1}
    poll frame_known "$1" || fail "$2: the window manager gave no frame extents"
    IFS=, read -r dx dy <<<"$(frame_offset_from_centre "$1")"
    [ "${dx#-}" -le "$within" ] && [ "${dy#-}" -le "$within" ] || fail "$2: frame centre $dx,$dy px off the screen's"
    echo "$2: frame centre $dx,$dy px from the screen's"
}

frame_known() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

window_states() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null || true
}

active_window() {
    xdotool getactivewindow 2>/dev/null || true
}

# Clicks at x, y inside the window (its own coordinates, menu bar included).
click_at() {
    move_mouse "$@"
    xdotool click 1
}

# Moves the pointer to x, y of the window and waits until it is there.
move_mouse() {
    local x y
    IFS=, read -r x y <<<"$(window_position "$1")"
    xdotool mousemove --window "$1" "$2" "$3"
    poll pointer_at $((x + $2)) $((y + $3)) || fail "the pointer did not move"
}

pointer_at() {
    [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" = "$1,$2" ]
}

activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    poll is_active "$1" || fail "window $1 did not take the focus"
}

# Whether the window manager names the window the active one. (Asked anew at each poll: mutter 48
# names it a moment after xdotool's --sync has returned.)
is_active() {
    [ "$(active_window)" = "$1" ]
}

keys() {
    local window=$1
    shift
    activate "$window"
    xdotool key --clearmodifiers --delay 100 "$@"
}

# Closes the window with the window manager's Alt+F4 and waits until it is gone. mutter 43 now
# and then drops and makes again all its key grabs just as a window takes the focus; a press
# meanwhile goes to the window itself. xev, listening on the window, tells such a press apart
# (it sees no press the window manager took), and Alt+F4 is pressed again.
close_with_alt_f4() {
    local window=$1 log=$E2E_ROOT/work/keys-$1.log attempt
    xev -id "$window" -event keyboard >"$log" 2>&1 &
    E2E_PIDS+=($!)
    # xev listens once it has seen a key pressed in the window (Shift, which does nothing).
    poll listening "$window" "$log" || fail "xev did not listen to window $window"
    for attempt in 1 2 3; do
        keys "$window" alt+F4
        poll closed_or_pressed_through "$window" "$log" "$attempt" || break
        window_gone "$window" && return 0
        echo "Alt+F4 reached window $window, not $E2E_WINDOW_MANAGER; pressed again" >&2
    done
    fail "Alt+F4 did not close window $window"
}

listening() {
    grep -q 'Shift_L)' "$2" || { keys "$1" Shift_L && false; }
}

closed_or_pressed_through() {
    window_gone "$1" || [ "$(grep -A3 'KeyPress event.*synthetic NO' "$2" | grep -c ', F4)')" -ge "$3" ]
}

type_text() {
    xdotool type --clearmodifiers --delay 20 "$1"
}

# Puts the file's content on the clipboard, served by xclip until the test ends.
set_clipboard() {
    xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    poll clipboard_holds "$(head -c 32 "$1")" || fail "the clipboard was not set"
}

clipboard_holds() {
    [ "$(xclip -selection clipboard -o 2>/dev/null | head -c ${#1})" = "$1" ]
}

screenshot() {
    [ -n "${DISPLAY:-}" ] || return 0
    import -window root "$ARTEFACTS/$SCENARIO-$1.png" 2>/dev/null
}

# Saves the window's client area (or the rectangle x y w h of it) as a PNG and prints its path.
grab() {
    local window=$1 name=$2 file=$E2E_ROOT/work/$2.png
    import -window "$window" "$E2E_ROOT/work/$name-full.png" 2>/dev/null || fail "cannot grab window"
    if [ $# -ge 6 ]; then
        convert "$E2E_ROOT/work/$name-full.png" -crop "$5x$6+$3+$4" +repage "$file"
    else
        mv "$E2E_ROOT/work/$name-full.png" "$file"
    fi
    echo "$file"
}

# Number of pixels in which two pictures differ.
pixels_differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

same_picture() {
    [ "$(pixels_differing "$1" "$2")" = "0" ]
}

# "r,g,b" of one pixel of a grabbed picture.
pixel_of() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# How many pixels of the picture have exactly the colour r,g,b.
pixels_of_colour() {
    convert "$1" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Height of the main window's menu bar: the rows above the first row of window background.
# Under Wine a window shows before its first paint, so the background is awaited.
menu_bar_height() {
    poll first_background_row "$1" || fail "no window background below the menu bar"
}

first_background_row() {
    local picture y
    picture=$(grab "$1" menubar)
    for y in $(seq 0 60); do
        if [ "$(pixel_of "$picture" 2 "$y")" = "0,64,0" ]; then
            echo "$y"
            return 0
        fi
    done
    return 1
}

# Waits up to the deadline for the process to end; sets EXIT_STATUS to its status. Call it in
# this shell, never in $(...): a subshell cannot reap the program, and bash then reports -1.
wait_for_exit() {
    EXIT_STATUS=0
    poll process_ended "$1" || return 1
    wait "$1" || EXIT_STATUS=$?
}

process_ended() {
    ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1" | cut -c1)" = "Z" ]
}

# Whether no process holds the program's lock (the kernel gives it back when its holder ends).
lock_released() {
    flock --nonblock "$LOCK_FILE" true
}

# Waits for the process to end with the given status.
expect_exit_status() {
    wait_for_exit "$1" || fail "$3: the program did not end"
    expect_eq "$EXIT_STATUS" "$2" "$3: exit status"
}

# Waits for the process to end with status 0, its lock given back.
expect_clean_end() {
    expect_exit_status "$1" 0 "$2"
    lock_released || fail "$2: the lock is still held"
}

opened_addresses() {
    cat "$OPENED_LOG"
}

opened_count() {
    wc -l <"$OPENED_LOG"
}

wait_for_opened() {
    poll opened_at_least "$1"
}

opened_at_least() {
    [ "$(opened_count)" -ge "$1" ]
}

stored_date() {
    sed -n 's/^Duration=//p' "$SETTINGS_FILE" 2>/dev/null
}

store_date() {
    mkdir -p "$(dirname "$SETTINGS_FILE")"
    printf '[Settings]\nDuration=%s\n' "$1" >"$SETTINGS_FILE"
}

today() {
    date +%F
}

days_ago() {
    date -d "$1 days ago" +%F
}

home_page_address() {
    echo "http://$SITE_HOST"
}

# Percent-decoding, byte for byte ("+" stays a plus sign, as the program never writes one for
# a space).
url_decode() {
    local value=${1//\\/%5C}
    printf '%b' "${value//%/\\x}"
}

# The decoded value of one query key of an address.
query_value() {
    local address=$1 key=$2 pair
    local IFS='&'
    for pair in ${address#*\?}; do
        if [ "${pair%%=*}" = "$key" ]; then
            url_decode "${pair#*=}"
            return 0
        fi
    done
    return 1
}

# The text as the program shows it in a language (a catalogue's code: de, ja, ar): the message of
# the context in the program's catalogue, which carries the few texts of Qt's that the tests ask
# for (Yes, the layout direction) too; without a finished translation it stays as written. Needs
# CATALOGUES, the program's folder of them.
translated() {
    python3 -c '
import sys, xml.etree.ElementTree as tree
catalogue, context, text = sys.argv[1:]
for group in tree.parse(catalogue).iter("context"):
    for message in group.iter("message") if group.findtext("name") == context else ():
        shown = message.find("translation")
        if message.findtext("source") == text and shown.text and shown.get("type") is None:
            text = shown.text
print(text)' "$CATALOGUES/cubomancer_$1.ts" "$2" "$3"
}

# The key that presses the access key of a text in a language, by its X keysym name (w, udiaeresis,
# Arabic_noon): the letter after the "&" ("&&" is a plain "&"), in lower case, named by the
# keyboard library Qt uses. The keyboard must have the key: xdotool 3.20160805 types a keysym
# missing from the keymap by binding it to a spare keycode for the moment of each press, and Qt
# 6.4's xcb plugin, reading the keymap anew when told of the change, now and then reads it after
# the binding is undone (here 1 Alt+<Arabic letter> in 12 went unheard): see set_keyboard.
access_key() {
    local text letter
    text=$(translated "$@")
    text=${text//&&/}
    [[ "$text" == *"&"?* ]] || fail "no access key in '$text' ($1)"
    letter=${text#*&}
    letter=${letter:0:1}
    python3 -c '
import ctypes, sys
xkb = ctypes.CDLL("libxkbcommon.so.0")
xkb.xkb_utf32_to_keysym.restype = ctypes.c_uint32
name = ctypes.create_string_buffer(64)
xkb.xkb_keysym_get_name(xkb.xkb_utf32_to_keysym(ord(sys.argv[1].lower())), name, len(name))
print(name.value.decode())' "$letter"
}

# Gives the X server the keyboard layout (an XKB name: de, jp, ara) that a desktop in the
# language has, so that its letters are on keys.
set_keyboard() {
    setxkbmap -layout "$1" || fail "no keyboard layout $1"
}

# Starts another copy beside the running one (pid FIRST): it must be refused with a box that
# Enter dismisses, end, and leave FIRST running.
expect_second_copy_refused() {
    local first=$1 box
    start_app
    box=$(wait_for_window "$APP_PID" Cubomancer) || fail "a second copy was not refused"
    keys "$box" Return
    wait_for_exit "$APP_PID" || fail "the refused copy did not end"
    kill -0 "$first" || fail "the running copy ended"
}

# Waits for the main window (479 pixels wide). Sets MAIN to its id and MENU_BAR to the height of
# its menu bar, which sits above the 273 pixels of the window's own area.
wait_for_main_window() {
    MAIN=$(wait_for_window "$1" "$WINDOW_TITLE" '479x*') || fail "no main window"
    MENU_BAR=$(menu_bar_height "$MAIN")
}

# Clicks at x, y of the main window's own area, below the menu bar.
click_main() {
    click_at "$MAIN" "$1" "$((MENU_BAR + $2))"
}

no_message_box() {
    [ -z "$(titled_windows_of "$1" Cubomancer)" ]
}

# The kind of icon a message box shows, told by its colours: the information icon is blue on
# white, the stop icon red.
message_icon() {
    local picture tone
    picture=$(grab "$1" icon 0 0 64 64)
    tone=$(convert "$picture" -format '%[fx:int(1000*(mean.b-mean.r))]' info:)
    if [ "$tone" -gt 15 ]; then
        echo information
    elif [ "$tone" -lt -15 ]; then
        echo stop
    else
        echo "unknown ($tone)"
    fi
}

# Closes the main window with File > Exit and waits for the farewell screen; sets FAREWELL.
exit_to_farewell() {
    keys "$MAIN" alt+f x
    FAREWELL=$(wait_for_window "$1" "$WINDOW_TITLE" 741x315) || fail "no farewell screen"
    wait_window_gone "$MAIN" || fail "the main window stayed after File > Exit"
}

# Places of the farewell screen's controls, in its own coordinates.
FAREWELL_NAME=(126 249)
FAREWELL_NAME_FIELD=(14 240 225 19) # x y w h
FAREWELL_EMAIL=(360 249)
FAREWELL_FRIEND_NAME=(126 273)
FAREWELL_FRIEND_EMAIL=(360 273)
FAREWELL_SUBMIT=(248 297)
FAREWELL_LINK_BOX=(100 154)
FAREWELL_LIBRARY_LINK=(612 298)

click_farewell() {
    click_at "$FAREWELL" "$1" "$2"
}

# Clicks into a referral field and types the text.
fill_field() {
    click_farewell "$1" "$2"
    poll is_active "$FAREWELL" || fail "the farewell screen lost the focus"
    type_text "$3"
}

referral_page_address() {
    echo "http://$SITE_HOST/ohms-refer-a-friend.php"
}
