#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An install into a temporary prefix puts exactly the expected files in place, each with the
# right permissions, every icon at the size its folder promises, and the desktop entry and the
# metainfo naming the executable and the icon that really are installed.
# usage: check_install_tree.sh CMAKE BUILD_DIR EXPECTED_FILES APP_ID BINDIR DATADIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
cmake=$1
build_dir=$2
expected_files=$3
app_id=$4
bindir=$5
datadir=$6

install_into_temporary_root "$cmake" "$build_dir"
prefix=$root/usr
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

stray=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr -printf '%P\n')
[ -z "$stray" ] || fail "installed outside the prefix: $stray"

echo "Installed files:"
(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort) | tee "$root/actual"
LC_ALL=C sort "$expected_files" >"$root/expected"
if ! diff -u "$root/expected" "$root/actual"; then
    fail "the installed files differ from the expected list (- expected, + installed)"
fi

while IFS= read -r file; do
    path=$prefix/$file
    [ -e "$path" ] || continue
    mode=$(stat -c '%a' "$path")
    if [ "$file" = "$bindir/cubomancer" ]; then
        [ "$mode" = 755 ] || fail "$file has mode $mode, not 755"
    else
        [ "$mode" = 644 ] || fail "$file has mode $mode, not 644"
    fi
done <"$root/actual"

# A PNG keeps its width and height as big-endian numbers in bytes 16 to 23.
png_signature='137 80 78 71 13 10 26 10'
for folder in "$prefix/$datadir"/icons/hicolor/*x*/apps; do
    size=$(basename "$(dirname "$folder")")
    for icon in "$folder"/*.png; do
        [ -e "$icon" ] || continue
        signature=$(od -An -tu1 -N8 "$icon" | xargs)
        if [ "$signature" != "$png_signature" ]; then
            fail "${icon#"$prefix/"} is not a PNG image"
            continue
        fi
        read -r w3 w2 w1 w0 h3 h2 h1 h0 < <(od -An -tu1 -j16 -N8 "$icon")
        width=$((((w3 * 256 + w2) * 256 + w1) * 256 + w0))
        height=$((((h3 * 256 + h2) * 256 + h1) * 256 + h0))
        [ "${width}x${height}" = "$size" ] || fail "${icon#"$prefix/"} is ${width}x${height}"
    done
done
svg=$prefix/$datadir/icons/hicolor/scalable/apps/$app_id.svg
if [ -e "$svg" ] && ! grep -q '<svg' "$svg"; then
    fail "${svg#"$prefix/"} is not an SVG image"
fi

desktop_file=$prefix/$datadir/applications/$app_id.desktop
if [ -e "$desktop_file" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
    program=${exec_line%% *}
    [ -x "$prefix/$bindir/$program" ] || fail "the desktop entry starts '$program', which is not installed in $bindir"
    icon=$(sed -n 's/^Icon=//p' "$desktop_file")
    [ "$icon" = "$app_id" ] || fail "the desktop entry names the icon '$icon', not '$app_id'"
fi

metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
if [ -e "$metainfo" ]; then
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
    [ "$id" = "$app_id" ] || fail "the metainfo id is '$id', not '$app_id'"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -e "$prefix/$datadir/applications/$launchable" ] || fail "the metainfo launches '$launchable', which is not installed"
    binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
    [ -x "$prefix/$bindir/$binary" ] || fail "the metainfo provides '$binary', which is not installed in $bindir"
fi

man_page=$prefix/$(grep '/man6/' "$expected_files")
if [ -e "$man_page" ] && ! gzip -t "$man_page"; then
    fail "${man_page#"$prefix/"} is not a sound gzip file"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: install tree under $bindir and $datadir"
