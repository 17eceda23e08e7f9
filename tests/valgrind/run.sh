#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs the whole unit suite once under valgrind's memcheck: any memory error or definite leak
# fails the test it occurs in. Builds a debug tree of its own in which CTest starts every test
# program through valgrind.
#
#   tests/valgrind/run.sh            (build folder: build-valgrind, or VALGRIND_BUILD_DIR)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${VALGRIND_BUILD_DIR:-$source_dir/build-valgrind}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }

valgrind_command="valgrind;--error-exitcode=1;--leak-check=full;--errors-for-leak-kinds=definite"
valgrind_command+=";--show-leak-kinds=definite;--num-callers=30;--gen-suppressions=all"
valgrind_command+=";--suppressions=$source_dir/tests/valgrind/qt.supp"
# The emulator is how CTest prefixes every test program with a command of its own.
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCUBOMANCER_WERROR=ON "-DCMAKE_CROSSCOMPILING_EMULATOR=$valgrind_command" >/dev/null
cmake --build "$build_dir" -j2
cd "$build_dir"
ctest -L unit --timeout 1800 --output-on-failure -j2
