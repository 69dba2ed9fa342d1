#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The start-up and click benchmarks. Installs what they need, builds in Release into
# build-bench, then on a private virtual display (Xvfb, no window manager):
#   - times the splash window of the program against a bare Qt window of the same size showing
#     the same picture (bench/startup/splash_reference), launch after launch, interleaved, and
#     reads the peak memory of both at the splash; and that of ours once the main window is
#     shown, against a bare Qt window of the main window's size showing its background picture
#     and one line of text (bench/startup/main_window_reference), launched in turn with them;
#   - times colour clicks in the main window until they are repainted;
#   - when scripts/windows.sh has built them, times resistor.exe under Wine in the same way
#     against the splash reference built for Windows (bench/startup/wine_startup.sh).
# Prints figures; it asserts nothing and is not part of the test command.
#
#     bash scripts/bench.sh [LAUNCHES]     # launches of each program, default 30 (at least 10)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

launches=${1:-30}
if ! [[ $launches =~ ^[0-9]+$ ]] || [ "$launches" -lt 10 ]; then
    echo "usage: bash scripts/bench.sh [LAUNCHES]   (LAUNCHES at least 10)" >&2
    exit 2
fi

resistor_install_packages "${RESISTOR_BUILD_PACKAGES[@]}" "${RESISTOR_TEST_PACKAGES[@]}" xvfb libx11-dev libxdamage-dev libxtst-dev

build="$RESISTOR_ROOT/build-bench"
cmake -S "$RESISTOR_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target resistor splash_reference main_window_reference startup_probe \
    bench_click

# Other work on the machine disturbs start-up times more than anything else: when allowed,
# the display server, the programs and the probe run at a raised priority, the same for all.
priority=()
if nice -n -10 true 2>/dev/null; then
    priority=(nice -n -10)
fi

# The measurements, on a private virtual display without a window manager, where the programs'
# windows are children of the root window (tests/with_window_manager.sh).
"${priority[@]}" bash "$RESISTOR_ROOT/tests/with_window_manager.sh" --no-window-manager bash -c '
    set -euo pipefail
    build=$1 root=$2 launches=$3
    export QT_QPA_PLATFORM=xcb
    echo
    echo "Machine: $(nproc) cores, $(uname -r); Xvfb 1280x1024x24 on $DISPLAY, no window" \
        "manager; priority: $(nice)"
    echo
    "$build/bench/startup/startup_probe" \
        --ours "$build/app/resistor" \
        --reference "$build/bench/startup/splash_reference" \
        --runs "$launches" --size 273x310 --then-click 505x274 \
        --second-reference "$build/bench/startup/main_window_reference" \
        --first-label splash --second-label "main window"
    echo
    "$build/bench/click/bench_click"
    echo
    bash "$root/bench/startup/wine_startup.sh" "$build/bench/startup/startup_probe" \
        "$root/build-windows" "$launches"
' bench "$build" "$RESISTOR_ROOT" "$launches"
