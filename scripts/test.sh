#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds the program with its tests and runs the whole suite.
# Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages "${RESISTOR_BUILD_PACKAGES[@]}" "${RESISTOR_TEST_PACKAGES[@]}"
resistor_ensure_russian_locale
resistor_build_and_test release

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails its test. The only suppressed reports are leaks inside Qt, each explained in
# tests/sanitizers/qt-leaks.supp (the preset's test environment names it).
resistor_build_and_test sanitize

# The fuzz targets of the conversions and the band model, each for a bounded number of runs.
if [ -f "$RESISTOR_ROOT/scripts/fuzz.sh" ]; then
    bash "$RESISTOR_ROOT/scripts/fuzz.sh"
fi
