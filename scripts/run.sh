#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages "${RESISTOR_BUILD_PACKAGES[@]}"
# The program alone: its tests need packages this command does not install.
resistor_build release -DRESISTOR_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $RESISTOR_ROOT/build/app/resistor, but there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set) to show it on." >&2
    exit 1
fi
exec "$RESISTOR_ROOT/build/app/resistor"
