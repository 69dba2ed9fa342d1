#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cmake --install` into a scratch folder: the executable, the desktop entry, the hicolor icons,
# the metainfo and the screenshots land in the standard places under one id, and the desktop
# entry and the metainfo pass their validators without a single remark.
#
# check_install.sh CMAKE BUILD_DIR SOURCE_DIR APP_ID DESKTOP_FILE_VALIDATE APPSTREAMCLI
set -euo pipefail
cmake=$1 build=$2 source=$3 id=$4 desktop_file_validate=$5 appstreamcli=$6
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

for tool in "$desktop_file_validate" "$appstreamcli"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages desktop-file-utils, appstream)"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR=$scratch/root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }

# Every screenshot the metainfo would list once a web address for them is set.
render_metainfo "$cmake" "$source" "$build" "$id" "$scratch/with-screenshots.metainfo.xml" \
    "https://screenshots.invalid/resistor"
mapfile -t shots < <(screenshot_names "$scratch/with-screenshots.metainfo.xml")
check_tree "$scratch/root" /usr "$id" "${shots[@]}"

share=$scratch/root/usr/share

# desktop-file-validate prints its errors, warnings and hints and exits 0 on hints alone.
report=$("$desktop_file_validate" "$share/applications/$id.desktop" 2>&1) ||
    { echo "$report" >&2; fail "desktop-file-validate rejects the desktop entry"; }
[ -z "$report" ] || { echo "$report" >&2; fail "desktop-file-validate has remarks"; }

# Strict validation: warnings and infos fail too (but the one explained in checks.sh).
validate_metainfo "$appstreamcli" validate "$share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli rejects the installed metainfo"
validate_metainfo "$appstreamcli" validate "$scratch/with-screenshots.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo with its screenshots listed"
# The tree as a whole: the metainfo's launchable must be a desktop entry installed beside it.
validate_metainfo "$appstreamcli" validate-tree "$scratch/root" ||
    fail "appstreamcli rejects the installed tree"

echo "installed under one id $id: $(cd "$scratch/root" && find . -type f | sort | tr '\n' ' ')"
