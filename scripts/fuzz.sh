#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets (tests/fuzz) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, runs each for a bounded number of inputs and
# prints the figures. Exits non-zero on any finding.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages "${RESISTOR_BUILD_PACKAGES[@]}" "${RESISTOR_TEST_PACKAGES[@]}"
build="$RESISTOR_ROOT/build-fuzz"
started=$(date +%s%N)
# A fuzz build folder made before the preset existed was configured from tests/fuzz: start anew.
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$RESISTOR_ROOT" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
resistor_build fuzz

status=0
(cd "$RESISTOR_ROOT" && ctest --preset fuzz) || status=$?

echo "Fuzz figures:"
cat "$build"/tests/fuzz/fuzz-runs/*.summary 2>/dev/null || true
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
printf 'Fuzzing took %d.%03d s in all, build included.\n' $((elapsed_ms / 1000)) $((elapsed_ms % 1000))
exit "$status"
