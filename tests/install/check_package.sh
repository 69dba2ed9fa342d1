#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# CPack's .deb: lintian finds nothing to warn about; its control fields name the Qt libraries it
# needs and the configured maintainer; its files are root's with the usual permissions, whatever
# the umask of whoever builds it; dpkg installs it into a scratch root with the executable, the
# desktop entry, the icons, the metainfo, the manual page, the copyright file and the changelog
# where the desktop and Debian look for them; the installed program starts (offscreen); and dpkg
# removes it without a trace.
#
# check_package.sh CMAKE CPACK BUILD_DIR SOURCE_DIR APP_ID MAINTAINER LINTIAN
set -euo pipefail
cmake=$1 cpack=$2 build=$3 source=$4 id=$5 maintainer=$6 lintian=$7
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

command -v "$lintian" >/dev/null || fail "$lintian is missing (package lintian)"

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

# A umask of 002 (common for users with a group of their own) must not leak into the package.
(umask 0002 && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out") \
    >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}

# Debian's own checker: no error and no warning (informational remarks are allowed).
if ! report=$("$lintian" --fail-on error,warning "$deb" 2>&1); then
    echo "$report" >&2
    fail "lintian has errors or warnings for $(basename "$deb")"
fi

# The control fields: shlibdeps must have found the Qt runtime packages.
[ "$(dpkg-deb -f "$deb" Package)" = resistor ] || fail "the package is not called resistor"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] ||
    fail "the package's maintainer is '$(dpkg-deb -f "$deb" Maintainer)', not the configured '$maintainer'"
depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 renamed Qt's core library package for its 64-bit time_t (libqt6core6t64).
for needed in libqt6widgets6 libqt6gui6 'libqt6core6(t64)?' 'libstdc\+\+6' libc6; do
    [[ ", $depends," =~ ,\ $needed[\ ,] ]] || fail "Depends lacks $needed: '$depends'"
done

# Root's files; folders and the executable 0755, everything else 0644.
listing=$(dpkg-deb -c "$deb")
grep -Eq '^-rwxr-xr-x root/root .* \./usr/bin/resistor$' <<<"$listing" ||
    fail "usr/bin/resistor is not an executable owned by root: $(grep 'usr/bin' <<<"$listing")"
if grep -v ' root/root ' <<<"$listing" | grep -q .; then
    fail "files not owned by root: $(grep -v ' root/root ' <<<"$listing")"
fi
odd=$(grep -Ev '^(drwxr-xr-x .*/|-rw-r--r-- .*|-rwxr-xr-x .* \./usr/bin/resistor)$' <<<"$listing" || true)
[ -z "$odd" ] || fail "entries with unusual permissions: $odd"

# Installed by dpkg into a scratch root of its own (the dependencies are this machine's, not the
# scratch root's; the log stays in the scratch folder).
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root() { dpkg --root="$root" --log="$scratch/dpkg.log" --force-not-root --force-depends "$@"; }
dpkg_root -i "$deb" >"$scratch/dpkg-install.log" 2>&1 ||
    { cat "$scratch/dpkg-install.log" >&2; fail "dpkg could not install $(basename "$deb")"; }
[ "$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f '${Status}' resistor)" = "install ok installed" ] ||
    fail "dpkg does not record resistor as installed"

render_metainfo "$cmake" "$source" "$build" "$id" "$scratch/with-screenshots.metainfo.xml" \
    "https://screenshots.invalid/resistor"
mapfile -t shots < <(screenshot_names "$scratch/with-screenshots.metainfo.xml")
check_tree "$root" /usr "$id" "${shots[@]}"

# man finds the page by the program's name.
[ "$(man --manpath="$root/usr/share/man" -w resistor 2>/dev/null)" = "$root/usr/share/man/man1/resistor.1.gz" ] ||
    fail "man does not find the manual page of resistor under usr/share/man"

doc=$root/usr/share/doc/resistor
check_copyright "$doc/copyright" "$source"
# The changelog's latest entry is this version's, signed by the package's maintainer.
gzip -dc "$doc/changelog.gz" >"$scratch/changelog"
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not for version $version (packaging/debian/changelog.in)"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Maintainer)" = "$maintainer" ] ||
    fail "the changelog's latest entry is not signed by $maintainer"

# Start the installed program. It shows its splash window and then the main window and never
# ends by itself, so it has started once the offscreen platform is up and it is still running
# a second later; then it is stopped.
executable=$root/usr/bin/resistor
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
[ -n "$started" ] || { cat "$scratch/program.log" >&2; fail "the installed program did not bring up the offscreen platform"; }
sleep 1
kill -0 "$program" 2>/dev/null || {
    wait "$program" && status=0 || status=$?
    program=
    cat "$scratch/program.log" >&2
    fail "the installed program ended after starting (exit status $status)"
}
[ "$(readlink "/proc/$program/exe")" = "$executable" ] || fail "the running program is not the installed one"
grep -q '/libQt6Widgets\.so' "/proc/$program/maps" || fail "the program runs without Qt Widgets"
kill "$program"
wait "$program" 2>/dev/null || true
program=

# Purged, it leaves nothing behind.
dpkg_root -P resistor >"$scratch/dpkg-purge.log" 2>&1 ||
    { cat "$scratch/dpkg-purge.log" >&2; fail "dpkg could not remove resistor"; }
left=$(find "$root" -path "$root/var" -prune -o -print | sed "s|^$root||" | grep . || true)
[ -z "$left" ] || fail "removing the package left behind: $left"

echo "$(basename "$deb"): lintian clean; Depends: $depends"
