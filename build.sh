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
#                     for a minute; then the Windows leg: the unit tests cross-built for Windows and
#                     run under Wine, the setup program's journey under Wine, and the Windows
#                     packages built again from a clone elsewhere and compared
#   ./build.sh windows  cross-build the program for 64-bit Windows (a static Qt for Windows is built
#                     from Debian's source once, about 15 minutes, and kept in ~/.cache/cubomancer);
#                     makes the setup program, the portable zip and their SHA256SUMS in
#                     build-windows/packages/, the same bytes from the same commit
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs; each command adds what its own work needs.
# Qt's translation tools build the catalogues; Qt's own catalogues give its buttons the language.
build_packages=(cmake ninja-build g++ python3 qt6-base-dev qt6-base-dev-tools fonts-dejavu-core
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# the Debian package: its build tools
package_packages=(build-essential debhelper dpkg-dev)
# The unit tests: the layout checker, and the fonts a desktop in each of the program's languages
# has (Chinese, Japanese and Korean; Thai, Devanagari, Bengali and the other scripts of Noto),
# without which a caption would be drawn with empty boxes.
check_packages=(clang-format fonts-noto-cjk fonts-noto-core)
test_packages=(
    "${check_packages[@]}"
    # a real X session, its tools, the packaging validators, fuzzing and profiling
    xvfb xauth xdotool x11-utils xclip imagemagick openbox desktop-file-utils appstream dbus
    # keyboard layouts of other languages for the end-to-end journeys on their desktops
    x11-xkb-utils
    clang libclang-rt-dev valgrind strace dpkg-dev file groff-base man-db
    # the session-manager test client
    libsm-dev pkgconf
    # Wayland sessions: a compositor with XWayland, and Qt's Wayland plugin
    weston xwayland qt6-wayland
    # the window managers of KDE Plasma (X11 with Breeze frames, and Wayland) and GNOME
    kwin-x11 kwin-style-breeze kwin-wayland mutter
    # the Debian package's checks: lintian and hardening-check (devscripts)
    "${package_packages[@]}" lintian devscripts
    # accessibility tests: a private session bus, the desktop's accessibility bus, a screen reader
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
)

# The Windows cross-build: the mingw-w64 compiler, the Debian source tools that fetch Qt's
# source, NSIS for the setup program and Wine to run what was built, with the C library's locale
# sources from which Wine learns a language the machine has no locale for.
windows_packages=(g++-mingw-w64-x86-64-posix dpkg-dev nsis wine wine64 fonts-wine locales zip)

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

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry beside the binary one: the same archives and suites.
add_source_entries() {
    apt-get source --print-uris qt6-base >/dev/null 2>&1 && return 0
    local list=/etc/apt/sources.list.d/debian.sources
    [ -f "$list" ] || list=/etc/apt/sources.list.d/ubuntu.sources
    if [ -f "$list" ]; then
        sed 's/^Types: deb$/Types: deb-src/' "$list" | as_root tee "${list%.sources}-src.sources" >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee /etc/apt/sources.list.d/deb-src.list >/dev/null
    fi
    as_root apt-get update
}

# The time of the source: the last commit's, or in a copy without its git history the changelog
# entry's, as dpkg-buildpackage takes it.
source_date_epoch() {
    if [ -e .git ]; then git log -1 --format=%ct; else dpkg-parsechangelog -STimestamp; fi
}

# Cross-builds the program, its tests (with "tests"; they run under Wine) and the Windows packages
# in build-windows. Wherever a date is stored (Qt's resources, the zip) it is the source's.
build_windows() {
    install_missing "${windows_packages[@]}"
    add_source_entries
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date_epoch)}
    export SOURCE_DATE_EPOCH
    local qt_prefix
    qt_prefix=$(tools/windows/build-qt.sh)
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/tools/windows/mingw-w64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-run.sh" \
        -DCUBOMANCER_WERROR=ON -DBUILD_TESTING="$([ "${1:-}" = tests ] && echo ON || echo OFF)"
    nice cmake --build build-windows -j2
}

# Builds the Windows packages again, from a clone in another folder, and compares them with those
# in build-windows: anyone can then check that a published package comes from this source.
check_windows_reproducible() {
    local other files
    mapfile -t files < <(echo packaging/windows/cubomancer.exe; sed 's|^.*  |packages/|' build-windows/packages/SHA256SUMS)
    other=$(mktemp -d)
    git clone --quiet . "$other/cubomancer"
    git -C "$other/cubomancer" checkout --quiet --detach "$(git rev-parse HEAD)"
    (cd "$other/cubomancer" && ./build.sh windows)
    (cd build-windows && sha256sum "${files[@]}")
    (cd "$other/cubomancer/build-windows" && sha256sum "${files[@]}")
    for file in "${files[@]}"; do
        cmp "build-windows/$file" "$other/cubomancer/build-windows/$file" ||
            { echo "$file differs in a second build of $(git rev-parse --short HEAD) (uncommitted changes are not in it)" >&2; return 1; }
    done
    rm -rf "$other"
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
    install_missing "${check_packages[@]}"
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
    # The Windows leg: the same unit tests and the setup program's journey, under Wine.
    build_windows tests
    (cd build-windows && ctest --output-on-failure --timeout 600)
    check_windows_reproducible
    ;;
windows)
    build_windows
    ls -l build-windows/packages/
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
    echo "usage: $0 run|check|test|package|windows" >&2
    exit 2
    ;;
esac
