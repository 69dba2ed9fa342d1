#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program file stands alone: a 64-bit GUI program (no console window) that imports
# only DLLs every Windows has, with its icon and its version information inside.
#
#   bash tests/windows/check_exe.sh RESISTOR_EXE PRODUCT_NAME VERSION [OBJDUMP [WINDRES]]
set -euo pipefail
exe=$1 product=$2 version=$3
objdump=${4:-x86_64-w64-mingw32-objdump} windres=${5:-x86_64-w64-mingw32-windres}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

headers=$("$objdump" -p "$exe") || fail "$objdump cannot read $exe"
grep -q '^Magic.*20b.*PE32+' <<<"$headers" || fail "$exe is not a 64-bit program"
grep -qE '^Subsystem[[:space:]]+0*2[[:space:]]+\(Windows GUI\)' <<<"$headers" ||
    fail "$exe is not a GUI program: $(grep '^Subsystem' <<<"$headers")"

# Windows' own DLLs (the C runtime msvcrt.dll among them, part of Windows since XP; Direct3D 12,
# which Qt 6.8's graphics layer imports, part of Windows 10, the oldest that Qt 6 supports) and
# its API sets (api-ms-win-*). Anything else, Qt's or the compiler's run-time DLLs above all, would have
# to be shipped beside the program.
system_dlls=' advapi32 authz comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr msvcrt
    netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm
    ws2_32 wtsapi32 '
mapfile -t imports < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
[ ${#imports[@]} -gt 0 ] || fail "$exe imports no DLL at all: objdump's output was not understood"
for dll in "${imports[@]}"; do
    [[ $dll == api-ms-win-*.dll ]] && continue
    [[ $system_dlls == *[[:space:]]"${dll%.dll}"[[:space:]]* ]] ||
        fail "$exe needs $dll, which is not part of Windows"
done

# The resources, decompiled: the icon group and the version information, whose strings the
# resource compiler wrote as UTF-16 escapes.
resources=$("$windres" -i "$exe" -O rc) || fail "$windres cannot read the resources of $exe"
icons=$(grep -c 'RT_ICON \*/' <<<"$resources" || true)
grep -q 'RT_GROUP_ICON' <<<"$resources" && [ "$icons" -ge 4 ] ||
    fail "$exe carries no icon in several sizes ($icons images)"
IFS=. read -r major minor patch <<<"$version"
grep -qE "^ *FILEVERSION $major, $minor, $patch, 0\$" <<<"$resources" ||
    fail "$exe's file version is not $version"
escaped=$(printf '%s' "$product" | iconv -f UTF-8 -t UTF-16BE | od -An -tx2 --endian=big -v |
    tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /\\x/g; s/^/\\x/')
grep -qF "VALUE \"ProductName\", L\"$escaped\"" <<<"$resources" ||
    fail "$exe's product name is not $product"
grep -qF "VALUE \"ProductVersion\", \"$version\"" <<<"$resources" ||
    fail "$exe's product version is not $version"
for field in FileDescription LegalCopyright; do
    grep -q "VALUE \"$field\"" <<<"$resources" || fail "$exe's version information has no $field"
done

echo "$exe: 64-bit GUI program, $(stat -c %s "$exe") bytes, imports ${imports[*]}; $icons icon images, $product $version"
