#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cpack builds a Debian package that holds exactly the expected files under /usr, owned by root,
# with no maintainer scripts and with the library dependencies that dpkg-shlibdeps computed.
# usage: check_debian_package.sh CPACK BUILD_DIR EXPECTED_FILES VERSION BINDIR
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
cpack=$1
build_dir=$2
expected_files=$3
version=$4
bindir=$5

require_programs "Debian packages dpkg-dev and file" dpkg-deb dpkg-shlibdeps file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi

architecture=$(dpkg --print-architecture)
deb=$work/cubomancer_${version}_${architecture}.deb
if [ ! -f "$deb" ]; then
    ls -l "$work"
    echo "FAIL: no cubomancer_${version}_${architecture}.deb"
    exit 1
fi
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
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not '$version'"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
# Package names of a relation field, one a line, without versions.
names() { field "$1" | tr ',|' '\n\n' | awk '{ print $1 }'; }
depends=$(names Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
    grep -qxF "$library" <<<"$depends" || fail "Depends lacks $library: '$(field Depends)'"
done
grep -qxF xdg-utils <<<"$(names Recommends)" || fail "Recommends lacks xdg-utils"

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
