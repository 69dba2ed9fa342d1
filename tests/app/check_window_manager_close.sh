#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closes the real program the way a user's close box does: through the window manager, which
# sends the window a WM_DELETE_WINDOW message. On the private virtual display with xfwm4 that
# tests/with_window_manager.sh gives it:
#   1. the splash window is centred on the screen;
#   2. the close request sent to the splash window is ignored: the splash stays and the program
#      runs on;
#   3. a click dismisses the splash and the main window appears, centred by its outer frame (the
#      title bar and borders the window manager adds included);
#   4. the close request sent to the main window ends the program within a few seconds, with
#      exit code 0.
#
#   bash tests/with_window_manager.sh bash tests/app/check_window_manager_close.sh PROGRAM
#
# Needs wmctrl, xdotool, xwininfo and dbus-daemon.
set -euo pipefail
[ $# -eq 1 ] || { sed -n '2,15p' "$0" >&2; exit 2; }
program=$1

scratch=$(mktemp -d)
app='' bus_pid=''
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$app" ] && wait "$app" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$scratch/app.err" ]; then
        echo "the program's standard error:" >&2
        sed 's/^/    /' "$scratch/app.err" >&2
    fi
    exit 1
}
pass() { echo "ok: $*"; }

source "$(dirname "${BASH_SOURCE[0]}")/../x11_windows.sh"

[ -n "${DISPLAY:-}" ] || fail "no display: run under tests/with_window_manager.sh"
unset QT_QPA_PLATFORM

# --- The program's windows ------------------------------------------------------------------

# A session bus of the program's own, as a desktop gives it one. Without a bus libdbus would try
# to start one through the X display (dbus-launch), a process nobody here would end, and the
# sanitizer build would report what Qt and libdbus leak when they fail to reach a bus.
{ read -r bus_address && read -r bus_pid; } < <(dbus-daemon --session --fork --nopidfile \
    --print-address=1 --print-pid=1) || fail "dbus-daemon could not start a session bus"
DBUS_SESSION_BUS_ADDRESS=$bus_address "$program" >"$scratch/app.out" 2>"$scratch/app.err" &
app=$!

# The program's shown top-level windows.
program_windows() { xdotool search --all --onlyvisible --pid "$app" 2>/dev/null || true; }

# centred SCREEN-SIZE OUTER-SIZE: where a window's outer edge goes on the screen, by the
# program's rule: half the room left, rounded half up, but never before the screen's start.
centred() {
    local start=$((($1 - $2 + 1) / 2))
    echo $((start < 0 ? 0 : start))
}

read -r screen_width screen_height < <(xwininfo -root | awk '
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }')

# centred_within SECONDS WINDOW: the window's outer frame stands centred on the screen within
# that time (the frame arrives a moment after the window is first shown). Sets $placed to what
# was seen.
centred_within() {
    local deadline=$(($(now_ms) + $1 * 1000)) outer left top width height expected
    while :; do
        outer=$(outer_geometry "$2") || outer=''
        if [ -n "$outer" ]; then
            read -r left top width height <<<"$outer"
            expected="$(centred "$screen_width" "$width") $(centred "$screen_height" "$height")"
            placed="outer frame ${width} × ${height} at ($left, $top), centred is (${expected/ /, })"
            [ "$left $top" = "$expected" ] && return 0
        fi
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# The splash window, frameless, at the picture's size.
splash=$(wait_for_window 20 273 310) || fail "no splash window of 273 × 310 appeared"
pass "splash window shown"
placed='not shown'
centred_within 3 "$splash" || fail "the splash window is not centred on the screen: $placed"
pass "splash window centred: $placed"

# The window manager's close on the splash: ignored. The check ends well before the splash's own
# five-second timer would hide it.
wmctrl -i -c "$splash"
still_shown_after 1 "$splash" || fail "the window manager's close ended the splash window or the program"
pass "the window manager's close leaves the splash window and the program running"

read -r x y w h <<<"$(geometry "$splash")"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
main=$(wait_for_window 10 505 274) ||
    fail "no main window appeared after the click on the splash window"
pass "main window shown after the click"
placed='not shown'
centred_within 5 "$main" || fail "the main window is not centred on the screen: $placed"
pass "main window centred: $placed"

closed_at=$(now_ms)
wmctrl -i -c "$main"
wait_for_exit 5 || fail "the program still runs 5 s after the window manager's close of the main window"
[ "$exit_code" -eq 0 ] || fail "the program ended with exit code $exit_code after the window manager's close"
[ -s "$scratch/app.out" ] && fail "the program wrote to standard output: $(cat "$scratch/app.out")"
pass "the window manager's close of the main window ended the program with exit code 0 in $(($(now_ms) - closed_at)) ms"
