#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The built Debian package holds exactly the expected files under /usr, owned by root, with no
# maintainer scripts, with the library dependencies that dpkg-shlibdeps computed, and with the
# version that CMake's project carries (debian/changelog's must follow it).
# usage: check_debian_package.sh PACKAGE_DIR EXPECTED_FILES VERSION BINDIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
package_dir=$1
expected_files=$2
version=$3
bindir=$4

require_programs "Debian packages dpkg-dev and file" dpkg-deb file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
architecture=$(dpkg --print-architecture)
deb=$(ls "$package_dir"/cubomancer_*_"$architecture".deb)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

dpkg-deb -I "$deb"
dpkg-deb -c "$deb" | tee "$work/contents"

# Lines read: permissions owner/group size date time path
awk '$1 !~ /^d/ { print $6 }' "$work/contents" | LC_ALL=C sort >"$work/actual"
sed 's:^:./usr/:' "$expected_files" | LC_ALL=C sort >"$work/expected"
if ! diff -u "$work/expected" "$work/actual"; then
    fail "the package's files differ from the expected list (- expected, + packaged)"
fi
awk '$2 != "root/root" { print $6 }' "$work/contents" >"$work/not-root"
[ ! -s "$work/not-root" ] || fail "not owned by root: $(xargs <"$work/not-root")"
grep -q "^-rwxr-xr-x .* \./usr/$bindir/cubomancer\$" "$work/contents" ||
    fail "the executable is not installed with mode 755"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = cubomancer ] || fail "Package is '$(field Package)'"
# The upstream part of the version: no epoch, no Debian revision.
upstream=$(field Version | sed 's/^[0-9]*://; s/-[^-]*$//')
[ "$upstream" = "$version" ] ||
    fail "debian/changelog has version '$(field Version)', CMake's project version is '$version'"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
# Package names of a relation field, one a line, without versions.
names() { field "$1" | tr ',|' '\n\n' | awk '{ print $1 }'; }
depends=$(names Depends)
# (Debian 13 names Qt's core library libqt6core6t64, after its move to a 64-bit time_t.)
for library in libc6 libstdc++6 'libqt6core6\(t64\)\?' libqt6widgets6; do
    grep -qx "$library" <<<"$depends" || fail "Depends lacks $library: '$(field Depends)'"
done
recommends=$(names Recommends)
# xdg-utils opens the web pages; Qt's Wayland plugin runs the program where no X display exists.
for package in xdg-utils qt6-wayland; do
    grep -qxF "$package" <<<"$recommends" || fail "Recommends lacks $package"
done

# Installing and removing must leave nothing behind, so the package runs no scripts of its own.
mkdir "$work/control"
dpkg-deb -e "$deb" "$work/control"
scripts=$(find "$work/control" -type f ! -name control ! -name md5sums -printf '%f ')
[ -z "$scripts" ] || fail "maintainer scripts in the package: $scripts"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: $(basename "$deb")"
