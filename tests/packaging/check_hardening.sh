#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The packaged program is hardened: hardening-check finds PIE, the stack protector, read-only
# relocations and immediate binding. Two of its checks do not apply:
# - Fortified functions show only where the compiler knows an object's size at a call; this
#   program has no such call, so the check reads instead that every compile of the package
#   build had -D_FORTIFY_SOURCE=2 and -O2.
# - Control-flow protection is not among the flags of Debian 12; Debian 13's hardening-check also
#   looks for branch protection, which on amd64 its own programs (kwin_x11, openbox, xdotool) lack
#   as well.
# usage: check_hardening.sh PACKAGE_DIR BINDIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
package_dir=$1
bindir=$2

require_programs "Debian package devscripts" hardening-check

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$(ls "$package_dir"/cubomancer_*.deb)" "$work"
program=$work/usr/$bindir/cubomancer

hardening-check --verbose "$program" || true
not_applying=(--nofortify --nocfprotection)
if [ "$(dpkg --print-architecture)" = amd64 ] && [[ "$(hardening-check --help)" == *--nobranchprotection* ]]; then
    not_applying+=(--nobranchprotection)
fi
if ! hardening-check --quiet "${not_applying[@]}" "$program"; then
    echo "FAIL: hardening-check finds the program unprotected"
    exit 1
fi
compiles=$(grep -E '^\[[0-9]+/[0-9]+\] /usr/bin/c\+\+ .* -c ' "$package_dir/build.log" || true)
[ -n "$compiles" ] || { echo "FAIL: no compile command in the build log"; exit 1; }
unfortified=$(grep -v -e '-D_FORTIFY_SOURCE=2' <<<"$compiles" | grep -o -- '-o [^ ]*' || true)
unoptimised=$(grep -v -e ' -O2 ' <<<"$compiles" | grep -o -- '-o [^ ]*' || true)
if [ -n "$unfortified$unoptimised" ]; then
    echo "FAIL: compiled without _FORTIFY_SOURCE=2 or -O2: $unfortified $unoptimised"
    exit 1
fi
echo "PASS: $(wc -l <<<"$compiles") compiles fortified; the program hardened"
