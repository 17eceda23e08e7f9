#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, quietly and without asking anything: ctest's emulator for
# the cross-built tests, and the end-to-end tests' way to start the Windows program.
#   wine-run.sh PROGRAM.exe [ARGUMENT...]
# WINEPREFIX names the Wine prefix, ~/.wine by default as for Wine itself (under ctest, in the
# test home); it is made on first use.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
export WINEDEBUG=${WINEDEBUG:--all,err+module}
# No Mono or Gecko installers, no menu entries written under ~/.local.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Otherwise Wine starts a session bus per display, which outlives the run.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# Wine 8 hands a Unix variable QT_* to Windows programs only as WINEQT_*; Qt Test writes to
# the terminal only when told to.
while IFS='=' read -r name _; do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
export WINEQT_FORCE_STDERR_LOGGING=1

# Wine takes the interface language of Windows from LC_ALL, LC_MESSAGES or LANG, but only where
# the C library knows that locale; one this machine lacks is built once beside the prefix
# (localedef, from Debian's locales).
messages=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}
if [ -n "$messages" ] && LC_ALL=$messages locale 2>&1 >/dev/null | grep -q .; then
    export LOCPATH=$WINEPREFIX.locales
    built=$LOCPATH/$messages
    if [ ! -d "$built" ]; then
        mkdir -p "$LOCPATH"
        localedef -i "${messages%%.*}" -f "${messages#*.}" "$built.$$" >/dev/null 2>&1 || true
        mv -T "$built.$$" "$built" 2>/dev/null || rm -rf "$built.$$"
    fi
fi

"$here/wine-prefix.sh"
exec wine "$@"
