#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every shared library that the installed executable needs is found on this system.
# usage: check_installed_libraries.sh CMAKE BUILD_DIR BINDIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
cmake=$1
build_dir=$2
bindir=$3

require_programs "" ldd

install_into_temporary_root "$cmake" "$build_dir"

executable=$root/usr/$bindir/cubomancer
libraries=$(ldd "$executable")
printf '%s\n' "$libraries"
if grep -q 'not found' <<<"$libraries"; then
    echo "FAIL: libraries missing for $executable"
    exit 1
fi
if ! grep -q 'libQt6Widgets' <<<"$libraries"; then
    echo "FAIL: $executable does not load the Qt Widgets library"
    exit 1
fi
echo "PASS: every library of $bindir/cubomancer is found"
