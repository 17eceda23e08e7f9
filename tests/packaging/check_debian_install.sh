#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The built package installs with apt, the installed program starts and shows its main window
# on a private X server, and removing and then purging the package leave no file of it, no
# record in dpkg's database and no other new file under /usr, /etc or /var/lib behind.
# Installs into this very system, so it runs only as root and only where cubomancer is not
# installed already.
# usage: check_debian_install.sh PACKAGE_DIR BINDIR   (environment as for the end-to-end tests)
set -euo pipefail
package_dir=$1
bindir=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing a package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' cubomancer 2>/dev/null | grep -qv 'not-installed'; then
    echo "skipped: cubomancer is installed on this system already; this check leaves it alone"
    exit 77
fi
export CUBOMANCER=/usr/$bindir/cubomancer
source "${0%/*}/../e2e/e2e-lib.sh"

deb=$(ls "$package_dir"/cubomancer_*_"$(dpkg --print-architecture)".deb)
# Files under the folders a package can reach, with their owners and modes; /var/cache and
# /var/log change on their own.
snapshot() {
    find /usr /etc /var/lib -xdev -path /var/lib/apt/lists -prune -o -path /var/lib/dpkg -prune \
        -o -printf '%p %u %m\n' | LC_ALL=C sort
}
snapshot >"$E2E_ROOT/before"
E2E_CLEANUPS+=("dpkg --purge cubomancer >/dev/null 2>&1")
apt-get install -y -qq --no-install-recommends "$deb" >"$E2E_ROOT/apt.out" 2>&1 ||
    { cat "$E2E_ROOT/apt.out"; fail "apt could not install $(basename "$deb")"; }
dpkg -L cubomancer >"$E2E_ROOT/files"
[ -x "$CUBOMANCER" ] || fail "$CUBOMANCER is not installed"

run_program_unprivileged
start_display
start_app
wait_for_main_window "$APP_PID"
screenshot installed
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true

apt-get remove -y -qq cubomancer >"$E2E_ROOT/apt.out" 2>&1 ||
    { cat "$E2E_ROOT/apt.out"; fail "apt could not remove cubomancer"; }
while IFS= read -r path; do
    [ -d "$path" ] && continue
    [ ! -e "$path" ] || fail "$path is still there after removing the package"
done <"$E2E_ROOT/files"
# apt forgets a package installed from a file once it is removed; dpkg purges it all the same.
dpkg --purge cubomancer >"$E2E_ROOT/apt.out" 2>&1 ||
    { cat "$E2E_ROOT/apt.out"; fail "dpkg could not purge cubomancer"; }
status=$(dpkg-query -W -f='${Status}' cubomancer 2>/dev/null || true)
[ -z "$status" ] || [[ "$status" == *not-installed ]] || fail "dpkg still knows cubomancer: $status"
left=$(ls /var/lib/dpkg/info/cubomancer.* /var/lib/dpkg/info/cubomancer:* 2>/dev/null || true)
[ -z "$left" ] || fail "dpkg's database keeps: $left"
snapshot >"$E2E_ROOT/after"
if ! diff "$E2E_ROOT/before" "$E2E_ROOT/after"; then
    fail "the file system differs after installing and purging (< before, > after)"
fi
pass "installed, started, removed and purged without a trace"
