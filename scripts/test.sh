#!/usr/bin/env bash
# Sets up what is missing, builds the program with its tests and runs the whole suite.
# Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages
resistor_ensure_russian_locale
resistor_build build -DCMAKE_BUILD_TYPE=Release
(cd "$RESISTOR_ROOT/build" && ctest --output-on-failure)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails its test. The only suppressed reports are leaks inside Qt, each explained in the file.
resistor_build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRESISTOR_SANITIZE=ON
(cd "$RESISTOR_ROOT/build-sanitize" &&
    LSAN_OPTIONS="suppressions=$RESISTOR_ROOT/tests/sanitizers/qt-leaks.supp" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --output-on-failure)

# The fuzz targets of the conversions and the band model, each for a bounded number of runs.
if [ -f "$RESISTOR_ROOT/scripts/fuzz.sh" ]; then
    bash "$RESISTOR_ROOT/scripts/fuzz.sh"
fi
