#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Zips a folder so that the same files always give the same zip, whoever builds it where and when.
#   make-zip.sh ZIP FOLDER
# The zip holds FOLDER under its own name: its files in name order, each dated SOURCE_DATE_EPOCH
# (the time now where that is unset) in UTC, readable by all, without owners or extra time fields.
# The folder's files get those dates and permissions too.
set -euo pipefail
zip=$(realpath -m "$1")
cd "$(dirname "$2")"
folder=$(basename "$2")

find "$folder" -type d -exec chmod 0755 {} +
find "$folder" -type f -exec chmod 0644 {} +
find "$folder" -exec touch --no-dereference --date="@${SOURCE_DATE_EPOCH:-$(date +%s)}" {} +
rm -f "$zip"
# zip stores local time: UTC makes it the same everywhere. -X leaves out owners and extra times.
find "$folder" -type f | LC_ALL=C sort | TZ=UTC zip -X -q "$zip" -@
