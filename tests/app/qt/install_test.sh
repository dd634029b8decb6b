#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, its icon in the
# hicolor theme and its AppStream metainfo in place.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/qinghejian" ] || fail "no bin/qinghejian"
desktop=$prefix/share/applications/qinghejian.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Name=青禾笺' "$desktop" || fail "desktop entry is not named 青禾笺"
grep -qx 'Icon=qinghejian' "$desktop" || fail "desktop entry has another icon"
grep -qx 'Exec=qinghejian' "$desktop" || fail "desktop entry starts another program"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry is not an application"

icon=$prefix/share/icons/hicolor/24x24/apps/qinghejian.png
[ -f "$icon" ] || fail "no 24x24 icon in the hicolor theme"
file "$icon" | grep -q '24 x 24, 8-bit/color RGBA' || fail "icon is not a 24 x 24 RGBA PNG: $(file -b "$icon")"

metainfo=$prefix/share/metainfo/qinghejian.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo"
grep -q '<launchable type="desktop-id">qinghejian.desktop</launchable>' "$metainfo" \
    || fail "metainfo does not launch the desktop entry"
if command -v appstreamcli >/dev/null; then
    # Errors fail; the one warning, an id that is not reverse-DNS, is known.
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1 || true)
    ! grep -q '^E:' <<<"$report" || fail "metainfo: $report"
fi
echo "PASS: installed program, desktop entry, icon and metainfo"
