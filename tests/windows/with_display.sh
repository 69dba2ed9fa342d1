#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with what the Windows programs need under Wine: a private virtual display
# (Xvfb, 1280 × 1024, 24-bit) with the xfwm4 window manager, which draws title bars and honours the
# windows' size hints, and a private Wine prefix in a temporary folder. Removes them all afterwards
# and exits with the command's status.
#
#   bash tests/windows/with_display.sh COMMAND [ARGS...]
#
# e.g. bash tests/windows/with_display.sh ctest --test-dir build-windows --output-on-failure
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }

scratch=$(mktemp -d)
xvfb='' wm=''
cleanup() {
    # The Wine server of the private prefix, then the display (the window manager ends with it).
    [ -d "$scratch/wine" ] && WINEPREFIX="$scratch/wine" wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    [ -n "$wm" ] && wait "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the file descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$scratch/display")"
export DISPLAY
export NO_AT_BRIDGE=1 XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

dbus-run-session -- xfwm4 --compositor=off >/dev/null 2>&1 &
wm=$!
# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "xfwm4 did not start" >&2; exit 1; }

# No Mono or Gecko set-up dialogs: nothing here uses .NET or the HTML engine.
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# A persistent Wine server, so that each program started finds one running, not only the first.
mkdir "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1 # makes the prefix, about 11 s

status=0
"$@" || status=$?
exit "$status"
