# SPDX-License-Identifier: MIT
# Shell functions that follow a program's windows on an X display from outside, for the tests
# that run the real program under a window manager (tests/with_window_manager.sh). Source this
# file. The caller keeps the program's process id in $app and defines program_windows, which
# prints the ids of the program's shown top-level windows.

# Milliseconds since the epoch.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# geometry WINDOW: "X Y WIDTH HEIGHT" of the window's inside while it is shown, X and Y on the
# screen, else nothing. (xdotool's own geometry is wrong under xfwm4, which reparents the window
# into its frame.)
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } /Map State: IsViewable/ { v = 1 }
        END { if (v) print x, y, w, h }'
}

# frame WINDOW: "LEFT RIGHT TOP BOTTOM", the widths of the frame the window manager draws.
frame() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,; }

# outer_geometry WINDOW: "LEFT TOP WIDTH HEIGHT" of the window's outer frame, title bar and
# borders included, from its inside and the frame extents the window manager gives it.
outer_geometry() {
    local g extents x y w h l r t b
    g=$(geometry "$1")
    [ -n "$g" ] || return 1
    extents=$(frame "$1")
    read -r x y w h <<<"$g"
    read -r l r t b <<<"${extents:-0 0 0 0}"
    echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# wait_for_window SECONDS WIDTH HEIGHT: prints the id of a shown window of the program with that
# inside size as soon as there is one; fails when the time is up or the program has ended.
wait_for_window() {
    local deadline=$(($(now_ms) + $1 * 1000)) win g
    while [ "$(now_ms)" -lt "$deadline" ]; do
        for win in $(program_windows); do
            g=$(geometry "$win")
            [ -n "$g" ] && [ "${g#* * }" = "$2 $3" ] && { echo "$win"; return 0; }
        done
        kill -0 "$app" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# wait_until_gone SECONDS WINDOW: succeeds once the window is no longer shown.
wait_until_gone() {
    local deadline=$(($(now_ms) + $1 * 1000))
    while [ -n "$(geometry "$2")" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# still_shown_after SECONDS WINDOW: the program runs on and the window stays shown that long.
still_shown_after() {
    local deadline=$(($(now_ms) + $1 * 1000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        kill -0 "$app" 2>/dev/null || return 1
        [ -n "$(geometry "$2")" ] || return 1
        sleep 0.05
    done
}

# wait_for_exit SECONDS: once the program has ended, sets exit_code to its exit code and empties
# $app; fails if it is still running after that many seconds. (Not in a subshell: only the shell
# that started the program can wait for it.)
wait_for_exit() {
    local deadline=$(($(now_ms) + $1 * 1000))
    while kill -0 "$app" 2>/dev/null; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
    exit_code=0
    wait "$app" || exit_code=$?
    app=''
}
