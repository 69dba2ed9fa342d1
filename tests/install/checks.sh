# shellcheck shell=bash
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

# render_metainfo CMAKE SOURCE_DIR APP_ID OUTPUT [BASE_URL]: writes the metainfo the way the build
# does, with the screenshots listed when BASE_URL is given.
render_metainfo() {
    "$1" -DTEMPLATE="$2/app/desktop/resistor.metainfo.xml.in" -DOUTPUT="$4" -DAPP_ID="$3" \
        -DSCREENSHOT_BASE_URL="${5:-}" -P "$2/app/desktop/write_metainfo.cmake" ||
        fail "could not write the metainfo from its template"
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

    [ $# -gt 0 ] || fail "no screenshots to look for"
    local shot
    for shot in "$@"; do
        [ -f "$share/$id/screenshots/$shot" ] || fail "no screenshot $prefix/share/$id/screenshots/$shot"
        png_size "$share/$id/screenshots/$shot" >/dev/null
    done
}
