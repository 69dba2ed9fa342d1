#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, runs each for a bounded number of inputs and
# prints the figures. Exits non-zero on any finding.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages
build="$RESISTOR_ROOT/build-fuzz"
started=$(date +%s%N)
cmake -S "$RESISTOR_ROOT/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

status=0
(cd "$build" && ctest --output-on-failure) || status=$?

echo "Fuzz figures:"
cat "$build"/fuzz-runs/*.summary 2>/dev/null || true
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
printf 'Fuzzing took %d.%03d s in all, build included.\n' $((elapsed_ms / 1000)) $((elapsed_ms % 1000))
exit "$status"
