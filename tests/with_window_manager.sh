#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private virtual display (Xvfb, 1280 × 1024, 24-bit) with the xfwm4 window
# manager, which draws title bars, honours the windows' size hints and relays a close box's
# WM_DELETE_WINDOW, as a desktop does; or, with --no-window-manager, on the bare display, where a
# program's top-level windows are children of the root window (what the start-up benchmark and
# the screen-reader check watch). DISPLAY and a private XDG_RUNTIME_DIR are exported to the
# command; the display and the window manager end with it, and the script exits with its status.
#
#   bash tests/with_window_manager.sh [--no-window-manager] COMMAND [ARGS...]
set -euo pipefail
window_manager=1
if [ "${1:-}" = --no-window-manager ]; then
    window_manager=''
    shift
fi
[ $# -ge 1 ] || { sed -n '2,10p' "$0" >&2; exit 2; }

scratch=$(mktemp -d)
xvfb='' wm=''
cleanup() {
    # The window manager ends with its display, and dbus-run-session then ends its bus.
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null || true
    if [ -n "$wm" ]; then
        for _ in $(seq 50); do
            kill -0 "$wm" 2>/dev/null || break
            sleep 0.1
        done
        kill "$wm" 2>/dev/null || true
        wait "$wm" 2>/dev/null || true
    fi
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
[ -s "$scratch/display" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$scratch/display")"
export DISPLAY
unset WAYLAND_DISPLAY
export NO_AT_BRIDGE=1 XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ -n "$window_manager" ]; then
    dbus-run-session -- xfwm4 --compositor=off >/dev/null 2>&1 &
    wm=$!
    # The window manager is ready once it has announced itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        { echo "xfwm4 did not start" >&2; exit 1; }
fi

status=0
"$@" || status=$?
exit "$status"
