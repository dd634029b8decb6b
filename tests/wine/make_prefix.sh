#!/usr/bin/env bash
# Fixture: a fresh Wine prefix in the build tree with the settings the tests
# need (no window manager decorations, CJK fallback fonts, Marlett).
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/display.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/wine.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"

qhj_wine_env "$QHJ_WINE_PREFIX"
start_private_display
trap 'qhj_wine_kill; stop_private_display' EXIT

start=$(date +%s)
qhj_wine_make_prefix || give_up "the Wine prefix is made (Wine's own words are above)"
echo "prefix made in $(( $(date +%s) - start )) s: $WINEPREFIX"

check "the prefix has a registry" test -f "$WINEPREFIX/system.reg"
check "windows are not managed" grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"
check "windows are not decorated" grep -q '"Decorated"="N"' "$WINEPREFIX/user.reg"
check "Tahoma falls back to Noto Sans CJK SC" grep -q '^"Tahoma"=str(7):".*Noto Sans CJK SC' "$WINEPREFIX/system.reg"
check "宋体 is Noto Serif CJK SC" grep -q '^"\\x5b8b\\x4f53"="Noto Serif CJK SC"' "$WINEPREFIX/system.reg"
check "marlett.ttf is in the Fonts folder" test -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
finish
