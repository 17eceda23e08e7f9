#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# lintian finds no error and no warning in the built packages; its informational and pedantic
# notes are shown for the reader.
# usage: check_lintian.sh PACKAGE_DIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
package_dir=$1

require_programs "Debian package lintian" lintian

changes=$(ls "$package_dir"/cubomancer_*.changes)
if ! lintian --display-info --pedantic --fail-on error,warning "$changes"; then
    echo "FAIL: lintian reports errors or warnings"
    exit 1
fi
echo "PASS: lintian $(lintian --print-version) on $(basename "$changes")"
