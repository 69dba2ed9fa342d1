#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the Windows program, build-windows/resistor.exe: one statically linked file with
# nothing beside it, and the release zip that carries it with its licences and notices,
# build-windows/resistor-<version>-windows-x64.zip. Sets up what is missing, builds a static Qt
# for Windows once from Debian's own qt6-base source (kept in a cache folder outside the clone),
# builds the program and its tests with MinGW-w64 and runs the tests under Wine on a virtual
# display. Exits non-zero on any failure.
#
# The cache: ${RESISTOR_CACHE:-${XDG_CACHE_HOME:-~/.cache}/resistor}/qt-<version>-mingw-static-<key>,
# where the key is taken from the configure options, the toolchain file's settings (not its
# comments) and the compiler version, so changing any of them builds Qt anew. Delete the folder
# to clear it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix # GCC 12 for Windows with posix threads, which Qt needs
    wine wine64                # runs the tests and the program
    xvfb xfwm4 dbus xdotool x11-utils # a virtual display with a window manager for the black-box run
    imagemagick                # screenshots of the program's window, compared pixel by pixel
    dpkg-dev                   # dpkg-source, which unpacks Qt's source for the static build
    python3                    # reads Qt's attribution files for the release zip's notices
)

# What a static Qt Widgets program needs and nothing more, for the machine's Qt version (known
# once the packages are installed). The tablet-event feature is off because Debian's source drops
# the Wintab headers it would include; a pen still works as a mouse, since Windows turns the pen
# messages Qt leaves alone into mouse messages. How text is drawn depends on the version: 6.4
# with Direct2D (a separate platform plugin) off draws with GDI, but then leaves the DirectWrite
# font database out of QtGui while the windows plugin still refers to it, hence no DirectWrite 3
# either. 6.8.2 compiles neither its GDI nor its DirectWrite font database without DirectWrite and
# Direct2D, so it keeps both (the Direct2D plugin is built but not linked into the program).
set_qt_windows_options() {
    local text=()
    [[ $(qt_version) == 6.4.* ]] && text=(-no-direct2d -no-feature-directwrite3)
    QT_WINDOWS_OPTIONS=(
        -release -static -static-runtime -optimize-size -gc-binaries
        -nomake examples -nomake tests
        -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-pkg-config
        -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent
        -no-feature-xml
        -no-feature-tabletevent "${text[@]}"
        -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -no-freetype -no-libjpeg
    )
}

TOOLCHAIN="$RESISTOR_ROOT/cmake/mingw-w64-x86_64.cmake"
CACHE_ROOT=${RESISTOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/resistor}

step() { # step NAME COMMAND...: runs the command and says how long it took
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}

qt_version() { dpkg-query -W -f '${Version}' qt6-base-dev; }

qt_prefix() {
    local key
    key=$( {
        qt_version
        printf '%s\n' "${QT_WINDOWS_OPTIONS[@]}"
        grep -v '^[[:space:]]*#' "$TOOLCHAIN" # its settings; a changed comment builds nothing anew
        x86_64-w64-mingw32-g++-posix --version | head -n 1
    } | sha256sum | cut -c1-12)
    echo "$CACHE_ROOT/qt-$(qt_version | sed 's/[^A-Za-z0-9.]/_/g')-mingw-static-$key"
}

# Fetches the source of exactly the host's Qt version (Debian's moc, rcc and uic serve as the
# build tools, so the two must match) through a private apt source list and state folder, made
# from the machine's own archive entries; the machine's apt configuration is not touched.
fetch_qt_source() {
    local work=$1 apt_dir=$1/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts"
    : >"$apt_dir/empty.list"
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/parts/$(basename "$f")"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && sed -nE 's/^deb[[:space:]]/deb-src /p' "$f" >>"$apt_dir/parts/from-lists.list"
    done
    local apt_options=(-o "Dir::Etc::SourceList=$apt_dir/empty.list"
        -o "Dir::Etc::SourceParts=$apt_dir/parts" -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache=$apt_dir/cache" -o APT::Sandbox::User="$(id -un)")
    apt-get "${apt_options[@]}" -qq update
    (cd "$work" && apt-get "${apt_options[@]}" -qq source "qt6-base=$(qt_version)" >/dev/null)
}

build_qt() {
    local prefix=$1 work="$1.work"
    rm -rf "$prefix" "$work"
    mkdir -p "$work/build" "$prefix/share"
    step "Fetching the qt6-base $(qt_version) source" fetch_qt_source "$work"
    # The installed Qt remembers the toolchain it was built with: keep a copy inside it, so it
    # does not depend on the clone that built it.
    cp "$TOOLCHAIN" "$prefix/share/mingw-w64-x86_64.cmake"
    local source
    source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    echo "Building a static Qt for Windows into $prefix (about half an hour on 2 cores; log: $work/build.log)"
    (
        cd "$work/build"
        "$source/configure" -prefix "$prefix" "${QT_WINDOWS_OPTIONS[@]}" -qt-host-path /usr -- \
            -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/share/mingw-w64-x86_64.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        cmake --build . --parallel "$(nproc)"
        cmake --install .
        # What the release zip's third-party notices need (packaging/windows/): which object
        # files use which third-party piece, known only from this build folder, and how this
        # Qt was made, for the note on its sources.
        python3 "$RESISTOR_ROOT/packaging/windows/qt_attributions.py" "$source" . \
            "$prefix/share/attributions"
        printf '%s\n' "$(qt_version)" "${QT_WINDOWS_OPTIONS[*]}" >"$prefix/share/attributions/build.txt"
    ) >"$work/build.log" 2>&1 || {
        tail -n 40 "$work/build.log" >&2
        echo "Building Qt for Windows failed; the whole log is $work/build.log" >&2
        return 1
    }
    rm -rf "$work"
    touch "$prefix/.complete"
}

# The program and its tests: the "windows" preset of CMakePresets.json, with this Qt's toolchain
# file. Optimised for size, every function and datum in a section of its own so that the linker
# drops what nothing uses (Qt is built the same way), no symbols; the C and C++ run-times and
# winpthread linked in, so that the .exe needs no DLL beside it.
BUILD_DIR="$RESISTOR_ROOT/build-windows"

build_program() {
    # A build folder configured with another Qt (an older cache key), or where Qt was not found,
    # cannot be reconfigured with this one: start it anew.
    if [ -f "$BUILD_DIR/CMakeCache.txt" ] &&
        ! grep -q "^Qt6_DIR:PATH=$QT_WINDOWS/" "$BUILD_DIR/CMakeCache.txt"; then
        rm -rf "$BUILD_DIR"
    fi
    mkdir -p "$BUILD_DIR"
    RESISTOR_QT_WINDOWS="$QT_WINDOWS" cmake --preset windows >"$BUILD_DIR/configure.log" 2>&1 || {
        cat "$BUILD_DIR/configure.log" >&2
        return 1
    }
    cmake --build --preset windows
}

cd "$RESISTOR_ROOT" # the presets
started=$SECONDS
resistor_install_packages "${RESISTOR_BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
set_qt_windows_options
QT_WINDOWS=$(qt_prefix)
# A Qt built before the release zip existed lacks the notices' records: build it anew.
if [ -f "$QT_WINDOWS/.complete" ] && [ -f "$QT_WINDOWS/share/attributions/build.txt" ]; then
    echo "Using the static Qt for Windows in $QT_WINDOWS"
else
    step "Building Qt for Windows" build_qt "$QT_WINDOWS"
fi

step "Building resistor.exe and its tests" build_program
echo "$BUILD_DIR/resistor.exe: $(stat -c %s "$BUILD_DIR/resistor.exe") bytes"
zip=$(echo "$BUILD_DIR"/resistor-*-windows-x64.zip)
echo "$zip: $(stat -c %s "$zip") bytes"

# The test programs and the black-box run of resistor.exe, under Wine on a private virtual display
# with a window manager, in a Wine prefix made for the run and removed afterwards.
step "Tests under Wine" bash "$RESISTOR_ROOT/tests/windows/with_display.sh" ctest --preset windows
echo "Windows build and tests: $((SECONDS - started)) s in all"
