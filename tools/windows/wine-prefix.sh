#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Wine prefix named by WINEPREFIX once (about 5 s), with Wine's own fonts copied into
# its Fonts folder: a new prefix loads none, and text would fall back to a serif face. DejaVu Sans,
# the program's stand-in for Verdana, goes there too: Wine shows it to the program from the host,
# and tests drawing offscreen see only this folder. Concurrent callers wait for the first.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
[ -f "$WINEPREFIX/.cubomancer-ready" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.cubomancer-ready" ] && exit 0
wineboot --init >/dev/null 2>&1
wineserver --wait
cp /usr/share/wine/fonts/* /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
touch "$WINEPREFIX/.cubomancer-ready"
