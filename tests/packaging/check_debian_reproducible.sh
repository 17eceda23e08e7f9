#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# dpkg-buildpackage builds the Debian packages of one source tree twice, from two folders of
# different names and depths, and both builds give byte-identical packages. The first build
# stays in OUTPUT_DIR (with its log, build.log) for the checks that read the package.
# usage: check_debian_reproducible.sh SOURCE_DIR OUTPUT_DIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
source_dir=$1
output_dir=$2

require_programs "Debian packages dpkg-dev and debhelper" dpkg-buildpackage dpkg-checkbuilddeps dh
if ! (cd "$source_dir" && dpkg-checkbuilddeps); then
    echo "skipped: the build dependencies above are missing (./build.sh package installs them)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$output_dir"
mkdir -p "$output_dir"
second=$work/another/folder/for/the/second/build
build() {
    if ! "$source_dir/tools/debian-package.sh" "$1" >"$2" 2>&1; then
        tail -n 40 "$2"
        echo "FAIL: the package did not build; log in $2"
        exit 1
    fi
}
build "$output_dir" "$output_dir/build.log"
build "$second" "$work/second.log"

failures=0
for deb in "$output_dir"/*.deb; do
    name=$(basename "$deb")
    sha256sum "$deb" "$second/$name" | sed "s:$output_dir/::; s:$second/:(second build) :"
    if ! cmp -s "$deb" "$second/$name"; then
        echo "FAIL: $name differs between the two builds"
        command -v diffoscope >/dev/null && diffoscope "$deb" "$second/$name" | head -n 60
        failures=$((failures + 1))
    fi
done
[ -n "$(ls "$output_dir"/*.deb 2>/dev/null)" ] || { echo "FAIL: no .deb built"; exit 1; }
[ "$failures" -eq 0 ] || exit 1
echo "PASS: both builds give the same bytes"
