#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The menu entry passes desktop-file-validate without an error or a warning.
# usage: check_desktop_file.sh DESKTOP_FILE
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
desktop_file=$1

require_programs "Debian package desktop-file-utils" desktop-file-validate

status=0
report=$(desktop-file-validate "$desktop_file" 2>&1) || status=$?
[ -z "$report" ] || printf '%s\n' "$report"
if [ "$status" -ne 0 ] || grep -qiE 'error|warning' <<<"$report"; then
    echo "FAIL: desktop-file-validate objects to $desktop_file"
    exit 1
fi
echo "PASS: $desktop_file"
