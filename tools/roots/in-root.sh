#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The legs of tools/roots/leg.sh, run inside the root: in-root.sh CLONE CHECKOUT SUITE LEG...
set -euo pipefail
clone=$1 checkout=$2 suite=$3
shift 3
cd "$clone"
echo "In $suite: $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev), $(g++ --version | head -n1)"

# ctest in a build folder: run_ctest FOLDER ARGUMENT... A test that skips (a tool missing in the
# root) fails the leg.
run_ctest() {
    local folder=$1 log status=0
    shift
    log=$(mktemp)
    (cd "$folder" && ctest --output-on-failure --no-tests=error "$@") | tee "$log" || status=$?
    if grep -E '\*\*\*(Skipped|Not Run)' "$log"; then
        echo "In $suite these tests did not run: the leg fails" >&2
        return 1
    fi
    return "$status"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUBOMANCER_WERROR=ON -DBUILD_TESTING=ON
    nice cmake --build build
}

# The end-to-end tests where the window manager has a say: those that run again under KWin, here
# under openbox, KWin and mutter each, and the XWayland check under each Wayland session.
e2e_tests() {
    local scenarios
    scenarios=$(cd build && ctest -N -L kwin | sed -n 's/^ *Test *#[0-9]*: e2e_\(.*\)_kwin$/\1/p' |
        grep -v '^wayland_' | paste -sd'|')
    [ -n "$scenarios" ] || { echo "no end-to-end test runs under KWin" >&2 && return 1; }
    run_ctest build --timeout 600 -R "^e2e_($scenarios)(_kwin|_mutter)?\$|^e2e_wayland_xwayland_client_(kwin|mutter)\$"
}

# The README's ./build.sh package, and the packaging tests' checks of what it built: contents,
# lintian, hardening, an install, start and purge. (That two builds give the same bytes is
# checked on Debian 12; here the package is built once.)
package() {
    cmake -S . -B build -G Ninja -DCUBOMANCER_WERROR=ON -DBUILD_TESTING=ON
    # The hardening check reads the compiles from the build's log.
    mkdir -p build/package
    ./build.sh package 2>&1 | tee build/package/build.log
    ln -sfn ../../package build/tests/packaging/debian-package
    run_ctest build --timeout 600 -FA debian_package -R '^packaging_(debian_package|lintian|hardening|debian_install)$'
}

for leg in "$@"; do
    start=$SECONDS
    case $leg in
    # ./build.sh check but its layout step: each clang-format lays out some code its own way,
    # and the layout is the one of Debian 12's, checked there.
    unit)
        build
        run_ctest build --timeout 600 -L unit
        ;;
    e2e)
        build
        e2e_tests
        ;;
    package) package ;;
    wine) run_ctest "$checkout/build-windows" --timeout 600 ;;
    esac
    echo "Leg $suite $leg passed in $((SECONDS - start)) s"
done
