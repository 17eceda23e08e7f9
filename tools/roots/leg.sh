#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs legs of the tests in a root of another Debian suite (tools/roots/root.sh), on a clean clone
# of this checkout's HEAD (uncommitted changes are not in it), one after the other in one build:
#   tools/roots/leg.sh SUITE LEG...
#   unit     the warnings-as-errors build and the unit tests
#   e2e      the end-to-end tests where the window manager has a say, under openbox, KWin (X11
#            and its Wayland session) and mutter (X11 and its headless Wayland session)
#   package  the packaging tests: the Debian package built the Debian way, lintian, installed
#   wine     the tests of the Windows build in this checkout's build-windows under the suite's Wine
#            (./build.sh test makes it; it is not built again)
# Each leg prints its time; a leg that cannot run fails and says why.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "$here/../.." && pwd)
suite=${1:?usage: $0 SUITE LEG...}
shift
[ $# -gt 0 ] || { echo "usage: $0 SUITE unit|e2e|package|wine..." >&2; exit 2; }
binds=(--bind "$here")
for leg in "$@"; do
    case $leg in
    unit | e2e | package) ;;
    wine)
        [ -f "$checkout/build-windows/CTestTestfile.cmake" ] ||
            { echo "leg.sh: the wine leg needs the Windows tests built in $checkout/build-windows (./build.sh test builds them)" >&2; exit 1; }
        # The journey reads the setup program's captions from the NSIS that made it, this
        # machine's.
        [ -d /usr/share/nsis ] || { echo "leg.sh: the wine leg needs NSIS (Debian package nsis)" >&2; exit 1; }
        binds+=(--bind "$checkout" --bind /usr/share/nsis)
        ;;
    *) echo "leg.sh: unknown leg $leg" >&2 && exit 2 ;;
    esac
done

start=$SECONDS
work=$(mktemp -d "${TMPDIR:-/tmp}/cubomancer-$suite.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone --quiet "$checkout" "$work/cubomancer"
git -C "$work/cubomancer" checkout --quiet --detach "$(git -C "$checkout" rev-parse HEAD)"
"$here/root.sh" "$suite" --path >/dev/null
echo "The $suite root is ready after $((SECONDS - start)) s"
nice "$here/root.sh" "$suite" "${binds[@]}" --bind "$work" -- \
    "$here/in-root.sh" "$work/cubomancer" "$checkout" "$suite" "$@"
echo "The $suite legs ($*) took $((SECONDS - start)) s"
