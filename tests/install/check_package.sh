#!/usr/bin/env bash
# CPack's .deb: it holds the executable, the desktop entry, the icons and the metainfo, names the
# Qt libraries it needs, and the executable unpacked from it starts (offscreen).
#
# check_package.sh CMAKE CPACK BUILD_DIR SOURCE_DIR APP_ID
set -euo pipefail
cmake=$1 cpack=$2 build=$3 source=$4 id=$5
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

scratch=$(mktemp -d)
program=
cleanup() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}

# The control fields: shlibdeps must have found the Qt runtime packages.
[ "$(dpkg-deb -f "$deb" Package)" = resistor ] || fail "the package is not called resistor"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: '$depends'"
done

# Installed as root-owned files, the executable world-executable.
listing=$(dpkg-deb -c "$deb")
grep -Eq '^-rwxr-xr-x root/root .* \./usr/bin/resistor$' <<<"$listing" ||
    fail "usr/bin/resistor is not an executable owned by root: $(grep 'usr/bin' <<<"$listing")"
if grep -v ' root/root ' <<<"$listing" | grep -q .; then
    fail "files not owned by root: $(grep -v ' root/root ' <<<"$listing")"
fi

dpkg-deb -x "$deb" "$scratch/root"
render_metainfo "$cmake" "$source" "$id" "$scratch/with-screenshots.metainfo.xml" \
    "https://screenshots.invalid/resistor"
mapfile -t shots < <(screenshot_names "$scratch/with-screenshots.metainfo.xml")
check_tree "$scratch/root" /usr "$id" "${shots[@]}"

# Start the unpacked program. It shows its splash window and then the main window and never
# ends by itself, so it has started once the offscreen platform is up and it is still running
# a second later; then it is stopped.
executable=$scratch/root/usr/bin/resistor
QT_QPA_PLATFORM=offscreen "$executable" >"$scratch/program.log" 2>&1 &
program=$!
started=
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    if grep -q '/libqoffscreen\.so$' "/proc/$program/maps" 2>/dev/null; then
        started=yes
        break
    fi
    sleep 0.1
done
[ -n "$started" ] || { cat "$scratch/program.log" >&2; fail "the unpacked program did not bring up the offscreen platform"; }
sleep 1
kill -0 "$program" 2>/dev/null || {
    wait "$program" && status=0 || status=$?
    program=
    cat "$scratch/program.log" >&2
    fail "the unpacked program ended after starting (exit status $status)"
}
[ "$(readlink "/proc/$program/exe")" = "$executable" ] || fail "the running program is not the unpacked one"
grep -q '/libQt6Widgets\.so' "/proc/$program/maps" || fail "the program runs without Qt Widgets"

echo "$(basename "$deb"): Depends: $depends"
