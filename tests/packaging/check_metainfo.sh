#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The AppStream metainfo validates on its own and together with the installed tree, where the
# validator also finds the desktop entry that the metainfo names as its launchable.
# usage: check_metainfo.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1
build_dir=$2
app_id=$3

if ! command -v appstreamcli >/dev/null; then
    echo "skipped: appstreamcli is not installed (Debian package appstream)"
    exit 77
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$cmake" --install "$build_dir" --prefix /usr >/dev/null

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$root"
echo "PASS: $app_id.metainfo.xml"
