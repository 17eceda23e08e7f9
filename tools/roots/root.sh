#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A Debian root of another suite (trixie, sid) with what building and testing the program there
# needs, made with mmdebstrap from Debian's archive, kept, and entered with chroot.
#   tools/roots/root.sh SUITE [--bind DIR]... [--] COMMAND [ARGUMENT...]
#   tools/roots/root.sh SUITE --path      prints the root's folder
# Runs as root. The root is made once into ~/.cache/cubomancer/roots/SUITE-KEY; the key is a hash
# of the packages it is made with and of the versions the archive has of them and of what they
# depend on, so a change of either makes a new root (and the old one of the suite goes). Each
# command runs on a copy-on-write layer over the kept root, which stays as it was made: in a
# mount and process namespace of its own with /proc, /sys, /dev, /dev/pts, a tmpfs /dev/shm and
# /tmp and each DIR (at its own path) mounted, all of it unmounted and every process it left
# ended when the command ends. HOME is a folder in that /tmp.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "$here/../.." && pwd)
mirror=${CUBOMANCER_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/cubomancer/roots

die() {
    echo "root.sh: $*" >&2
    exit 1
}

# Inside the namespaces (see run_in_root): mounts the layer and the system folders, then runs the
# command chrooted with a clean environment.
if [ "${1:-}" = --enter ]; then
    shift
    root=$1 work=$2
    shift 2
    binds=()
    while [ "$1" != -- ]; do binds+=("$1") && shift; done
    shift
    merged=$work/merged
    mount -t overlay overlay -o "lowerdir=$root,upperdir=$work/upper,workdir=$work/work" "$merged"
    mount -t proc proc "$merged/proc"
    mount -t sysfs sysfs "$merged/sys"
    mount --bind /dev "$merged/dev"
    mount --bind /dev/pts "$merged/dev/pts"
    mount -t tmpfs -o mode=1777 tmpfs "$merged/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$merged/tmp"
    for dir in "${binds[@]}"; do
        mkdir -p "$merged$dir"
        mount --bind "$dir" "$merged$dir"
    done
    cp /etc/resolv.conf "$merged/etc/resolv.conf"
    mkdir -m 700 "$merged/tmp/home"
    status=0
    chroot "$merged" /usr/bin/env -i HOME=/tmp/home PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" DEBIAN_FRONTEND=noninteractive ${CI:+CI=$CI} "$@" || status=$?
    # Unmounted here in reverse order; whatever stays busy goes with the namespace.
    umount -R "$merged" 2>/dev/null || umount -R -l "$merged" 2>/dev/null || true
    exit "$status"
fi

suite=${1:?usage: $0 SUITE [--bind DIR]... [--] COMMAND [ARGUMENT...] | SUITE --path}
shift
[ "$(id -u)" -eq 0 ] || die "making and entering a root needs root"
for tool in mmdebstrap unshare chroot apt-get; do
    command -v "$tool" >/dev/null || die "$tool is missing (Debian package: ${tool/unshare/util-linux})"
done

# The packages: the build's, the checks' and, in trixie, every test's and Wine, as build.sh names
# them (its lists are read, not run), and git for the clone. Plasma 6 has the daemon of its global
# shortcuts apart from KWin (Plasma 5's came with its frameworks).
# shellcheck disable=SC2034  # the lists are read by the eval
packages() {
    local build_packages check_packages test_packages windows_packages
    eval "$(sed -n '/^build_packages=(/,/^windows_packages=/p' "$checkout/build.sh")"
    [ ${#build_packages[@]} -gt 0 ] || die "no package lists in $checkout/build.sh"
    case $suite in
    trixie) printf '%s\n' "${build_packages[@]}" "${test_packages[@]}" wine wine64 fonts-wine locales kglobalacceld ;;
    *) printf '%s\n' "${build_packages[@]}" "${check_packages[@]}" ;;
    esac | sort -u
    echo git
}
mapfile -t include < <(packages)
# sid's Release file is valid for a week, and a mirror's copy may be older.
apt_options=(-o Acquire::Check-Valid-Until=false -o Acquire::Retries=3 -o APT::Sandbox::User=root)
recipe=(--variant=apt --components=main --aptopt='Acquire::Check-Valid-Until "false"'
    --include="$(IFS=, && echo "${include[*]}")")

# The versions the archive has of those packages and their dependencies, resolved by apt from
# lists of the suite kept beside the roots.
resolved_versions() {
    local lists=$cache/apt-$suite
    mkdir -p "$lists/lists/partial" "$lists/cache/archives/partial"
    : >"$lists/status"
    echo "deb $mirror $suite main" >"$lists/sources.list"
    local options=("${apt_options[@]}" -o Dir::Etc::SourceList="$lists/sources.list"
        -o Dir::Etc::SourceParts=/nonexistent -o Dir::State::Lists="$lists/lists"
        -o Dir::State::status="$lists/status" -o Dir::Cache="$lists/cache" -o Debug::NoLocking=1
        -o APT::Get::List-Cleanup=true)
    apt-get "${options[@]}" -qq update >&2 || die "apt cannot read $suite from $mirror"
    apt-get "${options[@]}" install -s --no-install-recommends apt "${include[@]}" |
        sed -n 's/^Inst \([^ ]*\) (\([^ ]*\) .*/\1 \2/p' | sort
}

mkdir -p "$cache"
exec 9>"$cache/$suite.lock"
flock 9
versions=$(resolved_versions)
[ -n "$versions" ] || die "apt resolved no packages for $suite"
key=$({ printf '%s\n' "$mirror" "${recipe[@]}"; echo "$versions"; } | sha256sum | cut -c1-12)
root=$cache/$suite-$key
if [ ! -f "$root.complete" ]; then
    start=$SECONDS
    echo "Making the $suite root $root ($(wc -l <<<"$versions") packages resolved)" >&2
    rm -rf "$root" "$root.partial"
    mkdir "$root.partial"
    nice mmdebstrap --quiet "${recipe[@]}" "$suite" "$root.partial" "$mirror" >&2 ||
        { rm -rf "$root.partial"; die "mmdebstrap could not make the $suite root"; }
    mv "$root.partial" "$root"
    echo "$versions" >"$root.versions"
    touch "$root.complete"
    echo "Made the $suite root in $((SECONDS - start)) s" >&2
    for other in "$cache/$suite"-*.complete; do
        [ "$other" = "$root.complete" ] || rm -rf "${other%.complete}" "$other" "${other%.complete}.versions"
    done
fi
flock -s 9

if [ "${1:-}" = --path ]; then
    echo "$root"
    exit 0
fi
binds=()
while [ "${1:-}" = --bind ]; do
    [ -d "${2:-}" ] || die "--bind needs a folder"
    binds+=("$(cd "$2" && pwd)")
    shift 2
done
[ "${1:-}" != -- ] || shift
[ $# -gt 0 ] || die "no command given"

work=$(mktemp -d "$cache/run.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/upper" "$work/work" "$work/merged"
# Namespaces of its own: the mounts vanish and every process left is ended with it, whatever
# happens.
unshare --mount --pid --fork --propagation private -- "$0" --enter "$root" "$work" "${binds[@]}" -- "$@"
