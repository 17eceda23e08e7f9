#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Cubomancer on Debian or Ubuntu, installing whatever is missing first.
#   ./build.sh run    build the program (nothing else) and start it
#   ./build.sh check  build with warnings as errors, run the unit tests and check the C++ layout
#                     against .clang-format: a few minutes
#   ./build.sh test   build with warnings as errors and run every test (unit, end-to-end under
#                     Xvfb, packaging) and the benchmarks briefly; check the layout; run the unit
#                     tests again built for other web hosts, under AddressSanitizer and
#                     UndefinedBehaviorSanitizer, and under valgrind; fuzz each libFuzzer target
#                     for a minute
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs; each command adds what its own work needs.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libfontconfig-dev libxcb1-dev fonts-dejavu-core)
# the Debian package: its build tools
package_packages=(build-essential debhelper dpkg-dev)
test_packages=(
    # a real X session, its tools, the packaging validators, fuzzing and profiling
    xvfb xauth xdotool x11-utils xclip imagemagick openbox desktop-file-utils appstream dbus
    clang libclang-rt-14-dev clang-format valgrind strace dpkg-dev file groff-base man-db
    # the session-manager test client
    libsm-dev pkgconf
    # Wayland sessions: a compositor with XWayland, and Qt's Wayland plugin
    weston xwayland qt6-wayland
    # the Debian package's checks: lintian and hardening-check (devscripts)
    "${package_packages[@]}" lintian devscripts
    # accessibility tests: a private session bus, the desktop's accessibility bus, a screen reader
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
)

# Installs those of the given packages (and the build's own) that are missing.
install_missing() {
    local missing=()
    for package in "${build_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir"
}

check_layout() {
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
}

case "${1:-}" in
run)
    install_missing
    configure_and_build build -DBUILD_TESTING=OFF
    exec build/src/cubomancer
    ;;
check)
    install_missing clang-format
    configure_and_build build -DCUBOMANCER_WERROR=ON -DBUILD_TESTING=ON
    (cd build && ctest --output-on-failure --timeout 600 -L unit)
    check_layout
    ;;
test)
    install_missing "${test_packages[@]}"
    configure_and_build build -DCUBOMANCER_WERROR=ON -DBUILD_TESTING=ON
    (cd build && ctest --output-on-failure --timeout 600)
    check_layout
    # The benchmarks as a smoke test: they must build and run; no budget is judged here.
    bench/run.sh --quick --build-dir build
    # The web hosts are build settings; the tests must hold for hosts other than the defaults.
    configure_and_build build-hosts -DCUBOMANCER_WERROR=ON \
        -DCUBOMANCER_SITE_HOST=www.example.org -DCUBOMANCER_HELP_HOST=help.example.org
    (cd build-hosts && ctest --output-on-failure --timeout 600 -L unit)
    configure_and_build build-sanitize -DCUBOMANCER_WERROR=ON -DCUBOMANCER_SANITIZE=ON
    (cd build-sanitize && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --timeout 600 -L unit)
    fuzz/run.sh 60
    tests/valgrind/run.sh
    ;;
package)
    install_missing "${package_packages[@]}"
    # Whatever else debian/control asks for to build.
    if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y ./
    fi
    deb=$(tools/debian-package.sh build/package)
    echo "Built $deb"
    echo "Install with: sudo apt install ./${deb#"$PWD/"}"
    ;;
*)
    echo "usage: $0 run|check|test|package" >&2
    exit 2
    ;;
esac
