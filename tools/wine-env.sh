# shellcheck shell=bash
# Wine environment of the project; sourced by tools/wine-run and tools/wine-session.
#
# Every Windows program of the build and the tests runs in one prefix inside the build
# tree (never the user's ~/.wine), made on first use and configured so that windows
# close at once without a window manager and Japanese text renders.
#
# TAVRIN_DPI (default 96) is the screen resolution the programs see: each resolution has
# its own prefix, build/wine for 96 and build/wine-dpi<N> for any other N, since Wine
# reads it from the prefix's registry. TAVRIN_WINEPREFIX overrides the prefix folder
# (relative paths are taken from the repository root). TAVRIN_WINESERVER=persistent says
# that a persistent wineserver is already running for the prefix TAVRIN_SESSION_PREFIX
# (tools/wine-session starts one), so nobody in that prefix waits for the server to exit.

tavrin_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Raise this when the prefix configuration below changes: existing prefixes are redone.
tavrin_prefix_version=5

# The resolution asked for, checked: a whole number of dots per inch, 96 unless told.
tavrin_dpi() {
    local dpi=${TAVRIN_DPI:-96}
    if [[ ! $dpi =~ ^[1-9][0-9]{1,3}$ ]]; then
        echo "wine-env: TAVRIN_DPI must be a whole number of dots per inch, not '$dpi'" >&2
        return 1
    fi
    echo "$dpi"
}

tavrin_wine_env() {
    local dpi default=build/wine
    dpi=$(tavrin_dpi) || exit 2
    [[ $dpi == 96 ]] || default=build/wine-dpi$dpi
    export TAVRIN_PREFIX_DPI=$dpi
    local prefix=${TAVRIN_WINEPREFIX:-$default}
    [[ $prefix == /* ]] || prefix=$tavrin_repo/$prefix
    export WINEPREFIX=${prefix%/}
    export WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    # The prefix's Desktop and Documents folders are links into $HOME.
    export HOME=$WINEPREFIX-home
    # A locale that is not installed breaks Japanese file names.
    export LANG=C.UTF-8
    unset LC_ALL
}

# A session's server serves the prefix it was started for; a run in another prefix (another
# resolution) has a server of its own, which it waits for as usual.
tavrin_persistent_server() {
    [[ ${TAVRIN_WINESERVER:-} == persistent && ${TAVRIN_SESSION_PREFIX:-} == "$WINEPREFIX" ]]
}

tavrin_wait_server() {
    tavrin_persistent_server || wineserver -w
}

tavrin_prefix_ready() {
    [[ $(cat "$WINEPREFIX/.tavrin-prefix" 2>/dev/null) == "$tavrin_prefix_version" ]]
}

# Makes the prefix once; a lock keeps parallel tests from making it twice.
tavrin_prepare_prefix() {
    tavrin_prefix_ready && return 0
    # Without these the prefix's Desktop and Documents both link to $HOME itself.
    mkdir -p "$(dirname "$WINEPREFIX")" "$HOME/Desktop" "$HOME/Documents"
    (
        flock 9
        tavrin_prefix_ready && exit 0
        echo "wine-run: preparing the Wine prefix $WINEPREFIX" >&2
        local log=$WINEPREFIX-setup.log
        if ! tavrin_configure_prefix >"$log" 2>&1; then
            echo "wine-run: preparing the Wine prefix failed:" >&2
            cat "$log" >&2
            exit 1
        fi
    ) 9>"$WINEPREFIX.lock"
}

# Steps are chained with && because errexit does not act inside the caller's condition.
tavrin_configure_prefix() {
    wineboot -i &&
        tavrin_wait_server &&
        tavrin_install_fonts &&
        tavrin_registry_file >"$WINEPREFIX/tavrin-settings.reg" &&
        wine reg import "$WINEPREFIX/tavrin-settings.reg" &&
        winecfg /v win10 &&
        tavrin_wait_server &&
        echo "$tavrin_prefix_version" >"$WINEPREFIX/.tavrin-prefix"
}

# Debian's Wine does not load the fonts it bundles; the prefix gets its own copies.
tavrin_install_fonts() {
    local font fonts=$WINEPREFIX/drive_c/windows/Fonts
    for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
        cp "$(dpkg -L fonts-wine | grep "/$font\$")" "$fonts/" || return
    done
}

# A REG_MULTI_SZ value in the hex(7) form of a registry file: UTF-16LE, doubly terminated.
tavrin_multi_sz() {
    printf '%s\0\0' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
        tr -s ' \n' ',' | sed 's/^,//; s/,$//'
}

# The hex form of a LOGFONTW record of a 9-point regular face at 96 DPI (height -12, the
# default character set), with the face name zero-padded to its 32 units.
tavrin_logfont_hex() {
    {
        printf 'f4ffffff000000000000000000000000900100000000000100000000'
        printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -d ' \n'
        printf '0%.0s' $(seq $((128 - 4 * ${#1})))
    } | sed 's/../&,/g; s/,$//'
}

# Registry files are UTF-16LE with a byte-order mark; an 8-bit file would make Wine read
# the hex(7) bytes as 8-bit text.
tavrin_registry_file() {
    printf '\xff\xfe'
    tavrin_registry_settings | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE
}

tavrin_registry_settings() {
    local link face
    link=$(tavrin_multi_sz ipag.ttf,IPAGothic)
    # Wine takes the screen's resolution from the desktop's LogPixels.
    sed "s/@LOGPIXELS@/$(printf %08x "${TAVRIN_PREFIX_DPI:-96}")/;
         s/@MESSAGEFONT@/$(tavrin_logfont_hex "MS UI Gothic")/" <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"

; The message font of a Japanese system: Wine's edit controls do not follow font links, so
; a message font without Japanese shows Japanese text in edit boxes as boxes.
[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]
"MessageFont"=hex:@MESSAGEFONT@

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:@LOGPIXELS@

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
EOF
    # Bold Tahoma (captions, bold dialog text) is looked up under its full name.
    for face in "Tahoma" "Tahoma Bold" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
        echo "\"$face\"=hex(7):$link"
    done
}
