#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program where there is no display to show its window on, as a user might from a text
# console or an ssh session: once with no display named at all, once with DISPLAY naming a
# display that is not there. Each run must end with exit code 1 (not an abort with a core dump),
# write exactly one line to standard error that says there is no display, and nothing to
# standard output. Then once where the window can be shown (Qt's offscreen platform) but Qt has
# a warning while it starts: the program must run on, and the warning, held back while the
# program checks for a display, must reach standard error after all.
#
#   bash tests/app/check_no_display.sh PROGRAM
set -uo pipefail
[ $# -eq 1 ] || { sed -n '2,11p' "$0" >&2; exit 2; }
program=$1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# No core file from a run that aborts after all: the exit code already tells.
ulimit -c 0

# A display number with neither a socket nor a lock file: no X server answers there.
absent=200
while [ -e "/tmp/.X11-unix/X$absent" ] || [ -e "/tmp/.X$absent-lock" ]; do
    absent=$((absent + 1))
done

failures=0
# report NAME OK-TEXT: says "ok" with the text when $problems is empty, else lists the problems
# with what the program wrote, and counts a failure.
report() {
    if [ ${#problems[@]} -eq 0 ]; then
        echo "ok: $1: $2"
        return
    fi
    failures=$((failures + 1))
    echo "FAIL: $1:" >&2
    printf '  %s\n' "${problems[@]}" >&2
    echo "  standard error:" >&2
    sed 's/^/    /' "$scratch/err" >&2
    echo "  standard output:" >&2
    sed 's/^/    /' "$scratch/out" >&2
}

# check NAME ENV-ARGS...: runs the program under `env ENV-ARGS...` and checks what it did.
check() {
    local name=$1
    shift
    local code=0
    # The timeout only stops a program that, wrongly, found something to show a window on.
    timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" \
        >"$scratch/out" 2>"$scratch/err" </dev/null || code=$?
    problems=()
    [ "$code" -eq 1 ] || problems+=("exit code $code, expected 1")
    [ -s "$scratch/out" ] && problems+=("standard output is not empty")
    local lines
    lines=$(wc -l <"$scratch/err")
    [ "$lines" -eq 1 ] || problems+=("$lines lines on standard error, expected 1")
    grep -q 'нет дисплея' "$scratch/err" || problems+=("standard error does not say «нет дисплея»")
    report "$name" "$(cat "$scratch/err")"
}

check "no display named"
check "DISPLAY=:$absent, which is not there" DISPLAY=":$absent"

# An unknown scale factor rounding policy is one such warning: Qt names it while it makes the
# application object, then starts as usual. The program shows its splash window and runs until
# stopped; the warning is due at once, so it is stopped when the warning is there, or after 5 s.
warning='Unknown scale factor rounding policy: NoSuchPolicy'
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    QT_SCALE_FACTOR_ROUNDING_POLICY=NoSuchPolicy "$program" >"$scratch/out" 2>"$scratch/err" </dev/null &
started=$!
for _ in $(seq 100); do
    grep -q "$warning" "$scratch/err" && break
    kill -0 "$started" 2>/dev/null || break
    sleep 0.05
done
problems=()
if kill -0 "$started" 2>/dev/null; then
    kill "$started"
else
    problems+=("the program ended by itself")
fi
wait "$started" 2>/dev/null
grep -q "$warning" "$scratch/err" || problems+=("Qt's warning did not reach standard error")
grep -q 'нет дисплея' "$scratch/err" && problems+=("it says there is no display")
report "a warning of Qt's at start-up" "$(grep "$warning" "$scratch/err")"

exit $((failures > 0))
