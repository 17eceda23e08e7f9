# SPDX-License-Identifier: MIT
# Shared steps of the packaging checks; source it right after `set -euo pipefail`.

# Skips the check (exit 77, which CTest reports as skipped) unless every program is on PATH.
# usage: require_programs "Debian package hint" PROGRAM...
require_programs() {
    local hint=$1 program
    shift
    for program in "$@"; do
        if ! command -v "$program" >/dev/null; then
            echo "skipped: $program is not installed${hint:+ ($hint)}"
            exit 77
        fi
    done
}

# Installs the build into a fresh temporary root, removed on exit; its path is in $root.
# usage: install_into_temporary_root CMAKE BUILD_DIR
install_into_temporary_root() {
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    DESTDIR=$root "$1" --install "$2" --prefix /usr >/dev/null
}
