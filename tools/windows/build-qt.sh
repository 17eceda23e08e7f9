#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a static Qt for 64-bit Windows from Debian's qt6-base source package, once, into a cache
# outside any build folder, and prints the installed prefix. Qt's host tools (moc, uic, rcc) come
# from the installed host Qt, which must be the same version.
#
# The cache key is the qt6-base version, the mingw g++ version and a hash of the configure
# arguments and the toolchain file. Interrupted builds resume where they stopped; a prefix counts
# only once its install is complete, and the build tree is removed then. Qt is installed where it
# stays: a static QtCore carries its install prefix.
# Takes about 11-15 minutes on two cores; needs about 3 GB of disk while it runs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/mingw-w64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/cubomancer/qt-windows

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
gcc_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)

# Only what the program and its tests use: Core, Gui, Widgets, Test, the windows, offscreen and
# minimal platform plugins and the windowsvista style; third-party code bundled.
configure_args=(
    -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # FEATURE_opengl=OFF alone leaves dynamic OpenGL on, which the windows plugin fails to
    # compile with in 6.4.2; this is what configure's -no-opengl sets.
    -DINPUT_opengl=no
    -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF
    # With Direct2D off, Qt 6.4.2 still refers to the DirectWrite font database unless
    # directwrite3 is off too.
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    # Debian's +dfsg source drops src/3rdparty/wintab, which tablet events need.
    -DFEATURE_tabletevent=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)
hash=$({ printf '%s\n' "${configure_args[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
key=$qt_version-mingw$gcc_version-static-$hash
key=${key//[^A-Za-z0-9.+_-]/_}
prefix=$cache/$key

# Qt is LGPL-3.0 (or GPL); a program linked with it statically ships these texts and says where
# the corresponding source is. The third-party code it bundles brings its own notices.
collect_licences() {
    local into=$1 file
    mkdir -p "$into/3rdparty"
    cp source/LICENSES/* "$into/"
    while IFS= read -r file; do
        mkdir -p "$into/3rdparty/$(dirname "$file")"
        cp "source/src/3rdparty/$file" "$into/3rdparty/$file"
    done < <(cd source/src/3rdparty && find . -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' \) | sed 's|^\./||')
    cat >"$into/README.txt" <<TEXT
This program is statically linked with Qt ${qt_version%%+*},
which is licensed under the GNU Lesser General Public License version 3 (LGPL-3.0-only.txt here)
or the GNU General Public License. Its corresponding source is Debian's source package
qt6-base $qt_version ("apt-get source qt6-base=$qt_version" on Debian 12, or
https://snapshot.debian.org/package/qt6-base/$qt_version/), built for Windows with
the mingw-w64 cross-compiler and these CMake arguments:
$(printf '    %s\n' "${configure_args[@]}")
The folder 3rdparty holds the notices of the third-party code that Qt bundles.
TEXT
}

complete=$prefix/.complete
if [ -f "$complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/build-$key
mkdir -p "$work"
cd "$work"

# The source, unpacked with Debian's patches; unpacked aside first so that a half-unpacked tree
# is never taken for a whole one.
if [ ! -d source ]; then
    rm -rf download
    mkdir download
    (cd download && apt-get source --only-source "qt6-base=$qt_version" >&2)
    mv "$(find download -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')" source
    rm -rf download
fi

cmake -S source -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${configure_args[@]}" >&2
nice cmake --build build --parallel "${CUBOMANCER_QT_JOBS:-2}" >&2
rm -rf "$prefix"
cmake --install build >&2
collect_licences "$prefix/licenses"
touch "$complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
