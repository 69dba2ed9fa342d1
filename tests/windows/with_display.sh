#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with what the Windows programs need under Wine: the private display with the
# xfwm4 window manager of tests/with_window_manager.sh, and a private Wine prefix
# (with_wine_prefix.sh). Removes them all afterwards and exits with the command's status.
#
#   bash tests/windows/with_display.sh COMMAND [ARGS...]
#
# e.g. bash tests/windows/with_display.sh ctest --test-dir build-windows --output-on-failure
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exec bash "$here/../with_window_manager.sh" bash "$here/with_wine_prefix.sh" "$@"
