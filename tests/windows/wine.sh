#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine, passing on the QT_* environment variables, which CTest sets
# for the tests (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...). Wine withholds variables named QT_* from
# Windows programs, since on a Linux desktop they are meant for the Linux Qt, and passes a
# variable WINEQT_X on as QT_X instead.
#
#   tests/windows/wine.sh PROGRAM.exe [ARGS...]     (the Windows build's CTest emulator)
set -euo pipefail
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# Qt writes its messages, and Qt Test its log, to the debugger rather than to the standard
# streams when no console is attached, as under CTest: ask for the standard streams.
export WINEQT_FORCE_STDERR_LOGGING=1
exec "${WINE:-wine}" "$@"
