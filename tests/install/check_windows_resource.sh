#!/usr/bin/env bash
# The Windows resource script compiles, and the compiled resource holds every image of the
# multi-size .ico (the program itself is built for Windows elsewhere).
#
# check_windows_resource.sh RC_COMPILER RC_FILE ICO_FILE
set -euo pipefail
rc=$1 script=$2 ico=$3
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# llvm-rc reads any argument that begins with a slash as an option, as Windows' rc does, so an
# absolute path such as /check/... would be taken for its /C (code page) option: "--" ends the
# options before the script's path.
"$rc" /FO "$scratch/resistor.res" -- "$script" || fail "$rc cannot compile $script"

# ICONDIR: reserved (0), type (1 = icon), image count, then one 16-byte entry per image.
read -ra header <<<"$(od -An -tu2 -N6 --endian=little "$ico")"
if [ "${header[0]}" -ne 0 ] || [ "${header[1]}" -ne 1 ]; then
    fail "$ico is not an icon file"
fi
images=${header[2]}
[ "$images" -ge 4 ] || fail "$ico holds only $images sizes"
image_bytes=$(($(stat -c %s "$ico") - 6 - 16 * images))
res_bytes=$(stat -c %s "$scratch/resistor.res")
[ "$res_bytes" -gt "$image_bytes" ] ||
    fail "the compiled resource ($res_bytes bytes) cannot hold the icon's $images images ($image_bytes bytes)"
echo "resistor.rc compiles; the resource holds $images icon images ($res_bytes bytes)"
