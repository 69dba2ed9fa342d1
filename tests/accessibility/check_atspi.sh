#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program on a private virtual display with a private D-Bus session and the AT-SPI
# accessibility bus, as a desktop with a screen reader has them, and lets atspi_client.py
# operate it through accessibility actions only. Passes when every check of the client holds
# and "Выход", pressed through AT-SPI, ends the program with exit code 0.
#
#   check_atspi.sh PROGRAM
set -u
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ -z "${RESISTOR_ATSPI_DISPLAY_READY:-}" ]; then
    # Once more, on a private display of its own.
    RESISTOR_ATSPI_DISPLAY_READY=1 exec bash "$here/../with_window_manager.sh" \
        --no-window-manager bash "$0" "$@"
fi
# A screen reader's desktop has the accessibility bridge on, whatever the display script says.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY NO_AT_BRIDGE

# Inside the session: the accessibility bus, switched on as a screen reader switches it on, then
# the client, which starts the program. Every process started here ends with the session.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
            variant:boolean:true >/dev/null 2>&1 && break
        sleep 0.05
    done
    /usr/bin/python3 "$1" "$2"
    status=$?
    kill "$launcher" 2>/dev/null
    exit "$status"
' check_atspi "$here/atspi_client.py" "$program" 2> >(grep -v "^dbus-daemon\[" >&2)
