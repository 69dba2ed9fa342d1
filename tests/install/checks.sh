# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Checks shared by the install and package tests. Sourced, not run.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# png_size FILE: prints "WIDTHxHEIGHT" from the PNG header.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$1 is not a PNG file"
    # IHDR: width and height, big-endian, at bytes 16 and 20.
    local b
    read -ra b <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1"
}

# render_metainfo CMAKE SOURCE_DIR BUILD_DIR APP_ID OUTPUT [BASE_URL]: writes the metainfo the way
# that build does, with the screenshots listed when BASE_URL is given.
render_metainfo() {
    local homepage
    homepage=$(sed -n 's/^CMAKE_PROJECT_HOMEPAGE_URL:[A-Z]*=//p' "$3/CMakeCache.txt")
    "$1" -DTEMPLATE="$2/app/desktop/resistor.metainfo.xml.in" -DOUTPUT="$5" -DAPP_ID="$4" \
        -DHOMEPAGE_URL="$homepage" -DSCREENSHOT_BASE_URL="${6:-}" \
        -P "$2/app/desktop/write_metainfo.cmake" ||
        fail "could not write the metainfo from its template"
}

# validate_metainfo APPSTREAMCLI COMMAND FILE: appstreamcli's validation in strict mode, which
# fails on warnings and infos too. Only one remark is let through: AppStream before 1.0 (Debian
# 12) does not know the <developer> element that 1.0 (Debian 13) asks for in place of the
# <developer_name> it deprecates; no one file satisfies both without it.
validate_metainfo() {
    local report status=0
    report=$("$1" "$2" --no-net --strict "$3" 2>&1) || status=$?
    [ $status -eq 0 ] && return 0
    echo "$report" >&2
    local remarks
    remarks=$(grep -E '^\s*[EWI]: ' <<<"$report" | grep -vE '^\s*I: [^ ]+ unknown-tag developer$' || true)
    [ -z "$remarks" ] && "$1" --version | grep -qE 'version:? 0\.' && return 0
    return 1
}

# screenshot_names METAINFO: the file names of the screenshots the metainfo lists.
screenshot_names() {
    sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$1"
}

# check_tree ROOT PREFIX APP_ID SCREENSHOT...: everything a Linux install holds is under ROOT/PREFIX, and the
# pieces name one another correctly (the validators look at one file at a time).
check_tree() {
    local root=$1 prefix=$2 id=$3
    shift 3
    local usr=$root$prefix share=$root$prefix/share

    [ -f "$usr/bin/resistor" ] || fail "no $prefix/bin/resistor"
    [ -x "$usr/bin/resistor" ] || fail "$prefix/bin/resistor is not executable"

    local desktop=$share/applications/$id.desktop
    local metainfo=$share/metainfo/$id.metainfo.xml
    [ -f "$desktop" ] || fail "no desktop entry $prefix/share/applications/$id.desktop"
    [ -f "$metainfo" ] || fail "no metainfo $prefix/share/metainfo/$id.metainfo.xml"

    local size actual
    for size in 16 32 48 64 128 256; do
        local icon=$share/icons/hicolor/${size}x$size/apps/$id.png
        [ -f "$icon" ] || fail "no ${size}px icon $prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
        actual=$(png_size "$icon")
        [ "$actual" = "${size}x$size" ] || fail "the icon in the ${size}x$size folder is $actual"
    done

    local exec icon
    exec=$(desktop_key "$desktop" Exec)
    [ -x "$usr/bin/${exec%% *}" ] || fail "the desktop entry runs '$exec', which is not in $prefix/bin"
    icon=$(desktop_key "$desktop" Icon)
    [ "$icon" = "$id" ] || fail "the desktop entry's icon is '$icon', not $id"

    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo does not carry the id $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<binary>${exec%% *}</binary>" "$metainfo" ||
        fail "the metainfo does not provide the binary '${exec%% *}'"

    # The manual page and Debian's two documentation files, compressed where Debian wants them.
    local man=$share/man/man1/resistor.1.gz doc=$share/doc/resistor
    [ -f "$man" ] || fail "no manual page $prefix/share/man/man1/resistor.1.gz"
    gzip -t "$man" || fail "the manual page is not a whole gzip file"
    gzip -dc "$man" | grep -q '^\.TH RESISTOR 1 ' || fail "the manual page is not resistor(1)"
    [ -s "$doc/copyright" ] || fail "no copyright file $prefix/share/doc/resistor/copyright"
    [ -f "$doc/changelog.gz" ] || fail "no changelog $prefix/share/doc/resistor/changelog.gz"
    gzip -t "$doc/changelog.gz" || fail "the changelog is not a whole gzip file"

    [ $# -gt 0 ] || fail "no screenshots to look for"
    local shot
    for shot in "$@"; do
        [ -f "$share/$id/screenshots/$shot" ] || fail "no screenshot $prefix/share/$id/screenshots/$shot"
        png_size "$share/$id/screenshots/$shot" >/dev/null
    done
}

# copyright_field FILE PARAGRAPH_START FIELD: the one-line value of FIELD in the paragraph of
# Debian's copyright file FILE whose first line is PARAGRAPH_START.
copyright_field() {
    awk -v start="$2" -v field="$3: " 'BEGIN { RS = ""; FS = "\n" }
        $1 == start { for (i = 1; i <= NF; i++) if (index($i, field) == 1) print substr($i, length(field) + 1) }' "$1"
}

# copyright_licence_text FILE NAME: the full text of the stand-alone licence paragraph NAME, its
# continuation lines unfolded (leading space removed, " ." an empty line).
copyright_licence_text() {
    awk -v start="License: $2" 'BEGIN { RS = ""; FS = "\n" }
        $1 == start && NF > 1 { for (i = 2; i <= NF; i++) print ($i == " ." ? "" : substr($i, 2)) }' "$1"
}

# licence_tail FILE FIRST_WORDS: FILE from the line starting with FIRST_WORDS on, without
# trailing blanks on the lines and without trailing empty lines.
licence_tail() {
    sed -n "/^$2/,\$p" "$1" | sed 's/[[:space:]]*$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'
}

# check_copyright FILE SOURCE_DIR: Debian's machine-readable copyright file names MIT for the
# project and its pictures and the OFL for the fonts, every licence it names has its full text,
# the texts are those of the files in the source tree, and every Files pattern names files that
# exist.
check_copyright() {
    local copyright=$1 source=$2
    [ "$(head -n1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "the copyright file does not start with the machine-readable format's Format line"

    local files licence
    while IFS= read -r files; do
        licence=$(copyright_field "$copyright" "Files: $files" License)
        [ -n "$licence" ] || fail "the copyright paragraph of '$files' names no licence"
        [ -n "$(copyright_field "$copyright" "Files: $files" Copyright)" ] ||
            fail "the copyright paragraph of '$files' names no copyright holder"
        [ -n "$(copyright_licence_text "$copyright" "$licence")" ] ||
            fail "the copyright file names $licence without a paragraph holding its text"
        local pattern patterns
        read -ra patterns <<<"$files"
        for pattern in "${patterns[@]}"; do
            [ "$pattern" = "*" ] || compgen -G "$source/$pattern" >/dev/null ||
                fail "the copyright file's pattern $pattern matches no file in the source tree"
        done
    done < <(sed -n 's/^Files: //p' "$copyright")

    local expected
    for expected in "*=MIT" "art/*.png art/hicolor/* art/resistor.ico docs/*.png=MIT" "art/fonts/*=OFL-1.1"; do
        licence=$(copyright_field "$copyright" "Files: ${expected%=*}" License)
        [ "$licence" = "${expected##*=}" ] ||
            fail "the copyright file gives '${expected%=*}' the licence '$licence', not ${expected##*=}"
    done

    diff -u <(licence_tail "$source/LICENSE" "Permission is hereby granted") \
        <(copyright_licence_text "$copyright" MIT) >&2 ||
        fail "the copyright file's MIT text is not that of LICENSE"
    diff -u <(licence_tail "$source/art/fonts/LICENSE" "SIL OPEN FONT LICENSE") \
        <(copyright_licence_text "$copyright" OFL-1.1) >&2 ||
        fail "the copyright file's OFL-1.1 text is not that of art/fonts/LICENSE"
}
