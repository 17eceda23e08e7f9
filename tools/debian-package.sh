#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian binary packages from a clean copy of the source tree, so that nothing of
# the checkout's own build folders reaches the package and the checkout stays untouched.
#   tools/debian-package.sh OUTPUT_DIR
# The copy is OUTPUT_DIR/cubomancer; the .deb, the debug-symbols .ddeb, the .buildinfo and the
# .changes land in OUTPUT_DIR, and the last line printed is the path of the .deb.
set -euo pipefail
source_dir=$(cd "${0%/*}/.." && pwd)
output_dir=$1

mkdir -p "$output_dir"
output_dir=$(cd "$output_dir" && pwd)
copy=$output_dir/cubomancer
rm -rf "$copy" "$output_dir"/cubomancer_* "$output_dir"/cubomancer-dbgsym_*
mkdir "$copy"
# The files git knows of (tracked, or new and not ignored); without git, everything but the
# build folders.
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
        tar --null -T - -cf -) | tar -C "$copy" -xf -
else
    tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
fi

# The build talks on stderr; stdout has only the path.
(cd "$copy" && dpkg-buildpackage -us -uc -b -Jauto) >&2
rm -rf "$copy"

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
echo "$output_dir/cubomancer_${version}_$(dpkg --print-architecture).deb"
