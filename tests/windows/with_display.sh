#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with what the Windows programs need under Wine: the private display with the
# xfwm4 window manager of tests/with_window_manager.sh, and a private Wine prefix in a temporary
# folder. Removes them all afterwards and exits with the command's status.
#
#   bash tests/windows/with_display.sh COMMAND [ARGS...]
#
# e.g. bash tests/windows/with_display.sh ctest --test-dir build-windows --output-on-failure
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${RESISTOR_WINE_DISPLAY_READY:-}" ]; then
    # Once more, on the display.
    RESISTOR_WINE_DISPLAY_READY=1 exec bash "$here/../with_window_manager.sh" \
        bash "$here/with_display.sh" "$@"
fi
unset RESISTOR_WINE_DISPLAY_READY

scratch=$(mktemp -d)
cleanup() {
    # The Wine server of the private prefix; the display ends after this script.
    [ -d "$scratch/wine" ] && WINEPREFIX="$scratch/wine" wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# No Mono or Gecko set-up dialogs: nothing here uses .NET or the HTML engine.
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# A persistent Wine server, so that each program started finds one running, not only the first.
mkdir "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1 # makes the prefix, about 11 s

status=0
"$@" || status=$?
exit "$status"
