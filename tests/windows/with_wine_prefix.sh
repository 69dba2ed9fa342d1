#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with a private Wine prefix, made in a temporary folder before the command
# starts, and a Wine server that stays up between the programs the command starts (as on a desktop
# where Wine has run before); removes both afterwards and exits with the command's status. The
# display is the caller's.
#
#   bash tests/windows/with_wine_prefix.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,8p' "$0" >&2; exit 2; }

scratch=$(mktemp -d)
cleanup() {
    [ -d "$scratch/wine" ] && WINEPREFIX="$scratch/wine" wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# No Mono or Gecko set-up dialogs: nothing here uses .NET or the HTML engine.
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
mkdir "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1 # makes the prefix, about 11 s

status=0
"$@" || status=$?
exit "$status"
