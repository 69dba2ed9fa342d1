#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs resistor.exe under Wine as a person would and checks what the screen shows, from outside
# the program: the splash window (frameless, 273 × 310, gone after about five seconds, or at a
# click), the main window (505 × 274 inside a fixed dialog frame, and still so after a resize
# request), that choosing band 3 and then "Красный" repaints that band red and changes the value
# text, and that "Выход" and the window manager's close both end the program with exit code 0.
#
#   bash tests/windows/blackbox.sh RESISTOR_EXE [WINE]
#
# Needs a display with a window manager that honours size hints; without DISPLAY it makes one
# with with_display.sh. Set RESISTOR_BLACKBOX_SHOTS to a folder to keep the screenshots (the
# framed main window is window.png there). Needs xdotool, xwininfo, xprop and ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -ge 1 ] || { sed -n '2,13p' "$0" >&2; exit 2; }
if [ -z "${DISPLAY:-}" ]; then
    exec bash "$here/with_display.sh" bash "$0" "$@"
fi
exe=$1 wine=${2:-wine}
export WINEDEBUG=${WINEDEBUG:--all}

shots=${RESISTOR_BLACKBOX_SHOTS:-}
scratch=$(mktemp -d)
app=''
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
[ -n "$shots" ] && mkdir -p "$shots"

fail() {
    echo "FAIL: $*" >&2
    # What the screen showed at the failure, for the log's reader.
    import -window root "${shots:-.}/blackbox-failure.png" 2>/dev/null &&
        echo "the screen at the failure: ${shots:-$PWD}/blackbox-failure.png" >&2
    exit 1
}
pass() { echo "ok: $*"; }
now() { date +%s.%N; }
elapsed() { awk -v a="$(now)" -v b="$1" 'BEGIN { printf "%.2f", a - b }'; } # seconds since then
later() { awk -v a="$(now)" -v b="$1" 'BEGIN { printf "%.3f", a + b }'; }      # a time from now
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# --- The windows, as the X server and the window manager see them -----------------------------

source "$here/../x11_windows.sh"

# The program's mapped top-level windows: Wine names their class after the .exe.
program_windows() { xdotool search --onlyvisible --classname '^resistor\.exe$' 2>/dev/null || true; }

start_program() {
    "$wine" "$exe" >"$scratch/program.log" 2>&1 &
    app=$!
    started=$(now)
}

# click WINDOW X Y: a real mouse click at (X, Y) inside the window.
click() {
    local g
    read -r -a g <<<"$(geometry "$1")"
    xdotool mousemove $((g[0] + $2)) $((g[1] + $3)) click 1
}

# --- Pixels ------------------------------------------------------------------------------------

snapshot() { import -window "$1" "$scratch/$2.png"; }

# crop SNAPSHOT "X Y W H": the raw RGB bytes of that part of a snapshot, as hex.
crop() {
    local r
    read -r -a r <<<"$2"
    convert "$scratch/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage rgb:- | od -An -tx1 -v | tr -d ' \n'
}
same() { [ "$(crop "$1" "$3")" = "$(crop "$2" "$3")" ]; }

# mean_rgb SNAPSHOT "X Y W H": the average colour of that part, "R G B" from 0 to 255.
mean_rgb() {
    local r
    read -r -a r <<<"$2"
    convert "$scratch/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage -scale '1x1!' \
        -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# --- The main window's controls, in client pixels ---------------------------------------------
# From main_window/frm_general_layout.h, in twips, converted as the program does (15 twips to
# the pixel, rounded to the nearest).
px() { echo $(((2 * $1 + 15) / 30)); }
band_rect() { echo "$(px 490) $(px "$1") $(px 825) $(px 195)"; } # picLine_N, N's top in twips
band1=$(band_rect 1440)
band3=$(band_rect 1920)
# swcColor_2 ("Красный") in Picture1 (left 1620, top 180, inside its 2-pixel border), clicked
# near its indicator as a person clicks a radio button.
red_x=$(($(px 1620) + 2 + $(px 180) + 8))
red_y=$(($(px 180) + 2 + $(px 1080) + $(px 195) / 2))
lbl_resistor="$(px 3840) $(px 1320) $(px 3375) $(px 615)"
exit_x=$(($(px 6240) + $(px 1275) / 2))
exit_y=$(($(px 3420) + $(px 495) / 2))

# The first start of a program in a fresh prefix is slower: allow for it.
first_window_seconds=60

# --- Run 1: the splash goes by its timer; the main window and its controls; "Выход" -----------

start_program
splash=$(wait_for_window "$first_window_seconds" 273 310) ||
    fail "no 273 × 310 splash window appeared (program output: $(cat "$scratch/program.log"))"
shown=$(now)
pass "the splash window appeared, 273 × 310"
[ "$(frame "$splash")" = "0 0 0 0" ] || fail "the splash window has a frame: $(frame "$splash")"
pass "the splash window has no frame"
wait_until_gone 10 "$splash" || fail "the splash window was still there 10 s after it appeared"
shown_for=$(elapsed "$shown") since_start=$(elapsed "$started")
# Its timer starts after the program and before the window is mapped: the window cannot go less
# than 5 s after the program started, and should go about 5 s after it was mapped.
at_least "$since_start" 5.0 && at_least 6.0 "$shown_for" ||
    fail "the splash window went $shown_for s after it appeared ($since_start s after the start), not after 5 s"
pass "the splash window went by itself $shown_for s after it appeared ($since_start s after the start)"

main=$(wait_for_window 10 505 274) || fail "no main window with a 505 × 274 client area appeared"
pass "the main window appeared, client area 505 × 274"
read -r -a extents <<<"$(frame "$main")"
[ "${#extents[@]}" -eq 4 ] && [ "${extents[2]}" -gt "${extents[0]}" ] ||
    fail "the main window has no title bar (frame: ${extents[*]:-none})"
pass "the main window has a frame with a title bar (${extents[*]})"

# A fixed dialog frame: the window manager offers closing, but no resizing, maximising or
# minimising (Wine derives these from the window's styles).
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $actions == *_NET_WM_ACTION_CLOSE* ]] || fail "the main window cannot be closed: $actions"
for action in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT MINIMIZE; do
    [[ $actions != *_NET_WM_ACTION_$action* ]] || fail "the main window allows $action: $actions"
done
pass "the main window's frame is fixed: close, but no resize, maximise or minimise"

xdotool windowsize "$main" 700 500
sleep 1
read -r -a g <<<"$(geometry "$main")"
[ "${g[2]} ${g[3]}" = "505 274" ] || fail "after a resize request the client area is ${g[2]} × ${g[3]}"
pass "a resize request leaves the client area at 505 × 274"

sleep 0.5 # painted
snapshot "$main" before
if [ -n "$shots" ]; then
    # The main window with its frame, as a person sees it.
    read -r -a g <<<"$(geometry "$main")"
    import -window root -crop \
        "$((g[2] + extents[0] + extents[1]))x$((g[3] + extents[2] + extents[3]))+$((g[0] - extents[0]))+$((g[1] - extents[2]))" \
        +repage "$shots/window.png"
fi

click "$main" $(($(px 490) + $(px 825) / 2)) $(($(px 1920) + $(px 195) / 2)) # band 3
sleep 0.5
snapshot "$main" band3_chosen
click "$main" "$red_x" "$red_y"
sleep 0.5
snapshot "$main" red_chosen
[ -n "$shots" ] && cp "$scratch"/{before,band3_chosen,red_chosen}.png "$shots/"

same band3_chosen red_chosen "$band3" && fail "band 3 did not change when \"Красный\" was chosen"
read -r r gr b <<<"$(mean_rgb red_chosen "$band3")"
[ "$r" -gt $((2 * gr)) ] && [ "$r" -gt $((2 * b)) ] ||
    fail "band 3 is not red after \"Красный\": its mean colour is $r $gr $b"
pass "band 3 turned red (mean colour $r $gr $b)"
same band3_chosen red_chosen "$lbl_resistor" && fail "the value text did not change"
pass "the value text changed"
same before red_chosen "$band1" || fail "band 1 changed, though only band 3 was given a colour"
pass "band 1 stayed as it was"

click "$main" "$exit_x" "$exit_y"
wait_for_exit 10 || fail "the program was still running 10 s after \"Выход\""
[ "$exit_code" -eq 0 ] || fail "\"Выход\" ended the program with exit code $exit_code"
pass "\"Выход\" ended the program with exit code 0"

# --- Run 2: a click ends the splash; the window manager's close ends the program -------------

start_program
splash=$(wait_for_window 30 273 310) || fail "no splash window appeared in the second run"
shown=$(now)
sleep 0.5
click "$splash" 136 155
wait_until_gone 2 "$splash" || fail "the splash window was still there 2 s after a click"
shown_for=$(elapsed "$shown")
at_least 3.0 "$shown_for" || fail "the splash window went only after $shown_for s, as by its timer"
pass "a click ended the splash window after $shown_for s"

main=$(wait_for_window 10 505 274) || fail "no main window after the splash was clicked"
# Alt+F4 closes the window that has the focus. A new window may get it only a moment after it
# is shown (the window manager's focus-stealing prevention): ask for it until the window manager
# reports the main window active.
has_focus() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]; }
deadline=$(later 5)
until has_focus || ! at_least "$deadline" "$(now)"; do
    xdotool windowactivate "$main" 2>/dev/null || true
    sleep 0.1
done
has_focus || fail "the window manager did not give the main window the focus within 5 s"
xdotool key --clearmodifiers alt+F4
wait_for_exit 10 || fail "the program was still running 10 s after Alt+F4"
[ "$exit_code" -eq 0 ] || fail "Alt+F4 ended the program with exit code $exit_code"
pass "the window manager's close (Alt+F4) ended the program with exit code 0"
