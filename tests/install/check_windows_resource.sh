#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows resource script compiles, and the compiled resource holds every image of the
# multi-size .ico and the version information: the product name in UTF-16 and the project's
# version, as text and as numbers (scripts/windows.sh builds and checks the program itself).
#
# check_windows_resource.sh RC_COMPILER RC_FILE ICO_FILE PRODUCT_NAME VERSION
set -euo pipefail
rc=$1 script=$2 ico=$3 product=$4 version=$5
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# llvm-rc reads any argument that begins with a slash as an option, as Windows' rc does, so an
# absolute path such as /check/... would be taken for its /C (code page) option: "--" ends the
# options before the script's path. The script is UTF-8; it says so with #pragma code_page, which
# llvm-rc 14 does not read, so /C says it again.
"$rc" /C 65001 /FO "$scratch/resistor.res" -- "$script" || fail "$rc cannot compile $script"

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
hex() { od -An -tx1 -v | tr -d ' \n'; }
res_hex=$(hex <"$scratch/resistor.res")
contains_utf16() { [[ $res_hex == *"$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex)"* ]]; }
contains_utf16 "$product" || fail "the version information lacks the product name $product"
contains_utf16 "$version" || fail "the version information lacks the version text $version"

# VS_FIXEDFILEINFO: the signature 0xFEEF04BD, the structure's version 1.0, then the file version
# as two 32-bit numbers, (major << 16 | minor) and (patch << 16 | build), little-endian.
IFS=. read -r major minor patch <<<"$version"
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
fixed="bd04effe00000100$(le16 "$minor")$(le16 "$major")0000$(le16 "$patch")"
[[ $res_hex == *"$fixed"* ]] || fail "the fixed version information does not say $version"
echo "resistor.rc compiles; the resource holds $images icon images ($res_bytes bytes) and $product $version"
