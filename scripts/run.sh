#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

resistor_install_packages
resistor_build release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $RESISTOR_ROOT/build/app/resistor, but there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set) to show it on." >&2
    exit 1
fi
exec "$RESISTOR_ROOT/build/app/resistor"
