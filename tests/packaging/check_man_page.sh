#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The manual page formats without a single groff warning, and its NAME section gives apropos
# and whatis their one-line entry.
# usage: check_man_page.sh MAN_PAGE
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
man_page=$1

require_programs "Debian package groff-base" groff

warnings=$(groff -man -Tutf8 -ww -z "$man_page" 2>&1)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    echo "FAIL: groff warns about $man_page"
    exit 1
fi

if command -v lexgrog >/dev/null; then
    entry=$(lexgrog "$man_page" 2>&1) || true
    printf '%s\n' "$entry"
    if ! grep -q '"cubomancer - .' <<<"$entry"; then
        echo "FAIL: no whatis entry for cubomancer in $man_page"
        exit 1
    fi
fi
echo "PASS: $man_page"
