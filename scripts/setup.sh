#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The system packages the project needs and their installation (only those missing), the Russian
# locale for the locale tests, and building with the presets of CMakePresets.json. Sourced by the
# other scripts.
set -euo pipefail

# The Debian packages the project needs, in one place. Every name exists under the same name in
# Debian 12 and 13 (and Ubuntu 24.04): the unversioned clang, libclang-rt-dev and llvm carry each
# release's own LLVM.
#
# What building and running the program needs (scripts/run.sh):
RESISTOR_BUILD_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
)
# What the tests need besides (scripts/test.sh):
RESISTOR_TEST_PACKAGES=(
    qt6-base-private-dev # the tests turn on the platform's accessibility events
    fonts-liberation fontconfig
    locales
    clang libclang-rt-dev            # the fuzz targets (libFuzzer)
    desktop-file-utils appstream     # validating the desktop entry and the metainfo
    dpkg-dev file                    # the package's dependencies (dpkg-shlibdeps)
    lintian man-db                   # checking the .deb; finding its manual page
    llvm                             # llvm-rc, checking the Windows resource file
    xvfb xfwm4 dbus wmctrl xdotool x11-utils # closing the program through a window manager
    at-spi2-core python3-pyatspi     # a screen reader's view of the program (AT-SPI)
)

resistor_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Missing packages and no way to install them: run as root or install sudo." >&2
        return 1
    fi
}

# resistor_install_packages PACKAGE...: installs those of the named packages that are missing.
resistor_install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    resistor_as_root apt-get update -qq
    resistor_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
}

# The number-to-text tests compare the texts under the C locale and under ru_RU.UTF-8.
resistor_ensure_russian_locale() {
    locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$' && return 0
    echo "Generating the ru_RU.UTF-8 locale"
    if ! grep -qE '^ru_RU\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ru_RU.UTF-8 UTF-8' | resistor_as_root tee -a /etc/locale.gen >/dev/null
    fi
    resistor_as_root locale-gen >/dev/null
}

# resistor_build PRESET [-DVAR=VALUE...]: configures (quietly) with one of the presets of
# CMakePresets.json, and the given settings on top of it, and builds.
resistor_build() {
    local preset=$1
    shift
    (cd "$RESISTOR_ROOT" && cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset")
}

# Builds with a preset and runs its tests.
resistor_build_and_test() {
    local preset=$1
    resistor_build "$preset"
    (cd "$RESISTOR_ROOT" && ctest --preset "$preset")
}

RESISTOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
