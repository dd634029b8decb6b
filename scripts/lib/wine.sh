# Sourced by the Wine tests and by `make bench`: a Wine of our own for
# qinghejian.exe, in a prefix inside the build tree.
#
#   qhj_wine_env PREFIX     exports what every wine call here needs
#   qhj_wine PROGRAM ARG... runs a Windows program, 64-bit or 32-bit
#   qhj_wine_make_prefix    makes the prefix anew (about 15 s): wineboot,
#                           registry settings, marlett.ttf
#   qhj_wine_kill           ends every process of this prefix and its server
#
# The caller provides the display (scripts/lib/display.sh).

source "$(dirname "${BASH_SOURCE[0]}")/quiet.sh"

# Wine's 64-bit loader, called by name. Debian's `wine` and `wineboot` start
# the 32-bit loader whenever wine32 is installed, and on a kernel that cannot
# run 32-bit programs that fails before anything 64-bit is tried. The 64-bit
# loader starts the 32-bit one itself for a 32-bit program, where it can.
QHJ_WINE_LOADER=/usr/lib/wine/wine64

qhj_wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINELOADER=$QHJ_WINE_LOADER
    export WINEDEBUG=-all
    # No Mono or Gecko install prompts, no desktop entries in the home folder.
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
    # Wine reads command lines and the X clipboard through the locale.
    export LANG=C.UTF-8
    export LC_ALL=C.UTF-8
    unset WAYLAND_DISPLAY
}

qhj_wine() {
    "$QHJ_WINE_LOADER" "$@"
}

qhj_wine_kill() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}

# hex(7) data for a .reg file: a REG_MULTI_SZ holding one string.
qhj_multi_sz_hex() {
    { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE; printf '\0\0\0\0'; } |
        od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//'
}

# The file of a font family as fontconfig knows it, regular style first.
qhj_font_file() {
    local file
    file=$(fc-match -f '%{file}' "$1:style=Regular" 2>/dev/null || true)
    basename "${file:-$2}"
}

qhj_wine_make_prefix() {
    qhj_wine_kill
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    qhj_quiet "making the Wine prefix (wineboot)" qhj_wine wineboot -i || return 1
    wineserver -w >/dev/null 2>&1 || true

    local sans_file sans_link reg
    sans_file=$(qhj_font_file "Noto Sans CJK SC" NotoSansCJK-Regular.ttc)
    sans_link=$(qhj_multi_sz_hex "${sans_file},Noto Sans CJK SC")
    reg=$WINEPREFIX/qinghejian-settings.reg
    # A .reg file with Chinese names must be UTF-16LE with a byte order mark.
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=hex(7):${sans_link}
"MS Shell Dlg"=hex(7):${sans_link}
"MS Shell Dlg 2"=hex(7):${sans_link}

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"宋体"="Noto Serif CJK SC"
"SimSun"="Noto Serif CJK SC"

REG
    } >"$reg"
    qhj_quiet "importing the prefix's settings (reg import)" \
        qhj_wine reg import "$(qhj_wine winepath -w "$reg" 2>/dev/null)" || return 1

    # Caption buttons are drawn with Marlett; without it they show letters.
    local dir
    for dir in /usr/share/wine/fonts /usr/lib/x86_64-linux-gnu/wine /usr/share/fonts/truetype/wine; do
        if [ -f "$dir/marlett.ttf" ]; then
            cp "$dir/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
            break
        fi
    done
    # The registry is written when the server ends.
    wineserver -w >/dev/null 2>&1 || true
}
