#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The AppStream metainfo validates on its own and together with the installed tree, where the
# validator also finds the desktop entry that the metainfo names as its launchable.
# usage: check_metainfo.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
source "${0%/*}/packaging-lib.sh"
cmake=$1
build_dir=$2
app_id=$3

require_programs "Debian package appstream" appstreamcli

install_into_temporary_root "$cmake" "$build_dir"

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$root"
echo "PASS: $app_id.metainfo.xml"
