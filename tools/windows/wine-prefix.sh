#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Wine prefix named by WINEPREFIX once (about 5 s), with Wine's own fonts copied into
# its Fonts folder: a new prefix loads none, and text would fall back to a serif face. DejaVu Sans,
# the program's stand-in for Verdana, goes there too: Wine shows it to the program from the host,
# and tests drawing offscreen see only this folder. Wine 8 has no Chinese, Japanese or Korean font:
# the host's Noto Sans CJK (Debian's fonts-noto-cjk), where installed, goes there as well, and the
# names under which Qt 6.4 looks for one on Windows stand for it (otherwise Wine's font linking
# draws some of the kanji in a larger face than the kana beside them). Windows draws Thai with
# Leelawadee UI and Devanagari and Bengali with Nirmala UI, which a new prefix lacks too: the host's
# Noto Sans of those scripts (Debian's fonts-noto-core), where installed, stand in, found by Qt
# through the scripts they cover. Concurrent callers wait for the first.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
# What the prefix was given, written once it is complete: an older prefix is given it anew.
makeup="fonts: Wine's, DejaVu Sans, Noto Sans CJK, Thai, Devanagari and Bengali where installed"
ready() { [ "$(cat "$WINEPREFIX/.cubomancer-ready" 2>/dev/null)" = "$makeup" ]; }
ready && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
ready && exit 0
wineboot --init >/dev/null 2>&1
wineserver --wait
cp /usr/share/wine/fonts/* /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
cjk=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
if [ -f "$cjk" ]; then
    cp "$cjk" "$WINEPREFIX/drive_c/windows/Fonts/"
    for pair in "Yu Gothic UI=JP" "MS UI Gothic=JP" "SimSun=SC" "PMingLiU=TC" "Gulim=KR"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%=*}" /d "Noto Sans CJK ${pair#*=}" /f >/dev/null
    done
    wineserver --wait
fi
for script in Thai Devanagari Bengali; do
    for font in /usr/share/fonts/truetype/noto/NotoSans"$script"-{Regular,Bold}.ttf; do
        [ ! -f "$font" ] || cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
done
echo "$makeup" >"$WINEPREFIX/.cubomancer-ready"
