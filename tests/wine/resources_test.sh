#!/usr/bin/env bash
# The resources of qinghejian.exe read back from the file: the version
# resource field by field, the icon's two images, the manifest, and the
# Simplified Chinese language tag on every resource.
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"

exe=$QHJ_WINDOWS_BIN/qinghejian.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Version (type 16).
wrestool -x --raw -t16 "$exe" >"$work/version.bin"
if "$QHJ_READ_VERSION_INFO" "$work/version.bin" >"$work/version.txt"; then
    pass "the version resource parses"
else
    fail "the version resource parses"
fi
cat "$work/version.txt"
while IFS= read -r line; do
    if grep -qxF -- "$line" "$work/version.txt"; then pass "version: $line"; else fail "version: $line missing"; fi
done <"$QHJ_EXPECTED_VERSION"
check_eq "the version resource holds exactly the expected fields" \
    "$(sort "$work/version.txt")" "$(sort "$QHJ_EXPECTED_VERSION")"

# Icon (group icon, type 14): the described 256-colour and 32-bit 24 x 24
# images, and 32-bit ones of 16, 32, 48 and 256 px for Explorer.
wrestool -x -t14 "$exe" >"$work/icon.ico"
icons=$(icotool -l "$work/icon.ico")
echo "$icons"
check_eq "the icon holds six images" "$(wc -l <<<"$icons")" 6
check "a 24 x 24 256-colour image" grep -q -- '--width=24 --height=24 --bit-depth=8 --palette-size=256' <<<"$icons"
check "a 24 x 24 32-bit image" grep -q -- '--width=24 --height=24 --bit-depth=32' <<<"$icons"
for size in 16 32 48 256; do
    check "a $size x $size 32-bit image" grep -q -- "--width=$size --height=$size --bit-depth=32" <<<"$icons"
done
icotool -x -o "$work" "$work/icon.ico"
for image in "$work"/icon_1_24x24x8.png "$work"/icon_2_24x24x32.png "$work"/icon_6_256x256x32.png; do
    # ImageMagick's own convert: /usr/local/bin may hold a stand-in.
    alpha=$(convert-im6.q16 "$image" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]' info:)
    check_eq "$(basename "$image"): transparent ground, opaque sign" "$alpha" "0 1"
done

# Manifest (type 24): per-monitor-v2 dpi awareness and common controls 6.
manifest=$(wrestool -x --raw -t24 "$exe")
check "manifest: per-monitor-v2 dpi awareness" grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$manifest"
check "manifest: per-monitor dpi awareness before Windows 10 1607" grep -q '<dpiAware[^>]*>true/pm<' <<<"$manifest"
case $QHJ_WINDOWS_ARCH in x64) processor=amd64 ;; *) processor=x86 ;; esac
check "manifest: for $processor" grep -q "name=\"MoTongQingLan.QingHeJian\" version=\"[0-9.]*\" processorArchitecture=\"$processor\"" <<<"$manifest"
check "manifest: the program's version" grep -q "name=\"MoTongQingLan.QingHeJian\" version=\"$(sed -n 's/^FILEVERSION //p' "$QHJ_EXPECTED_VERSION")\"" <<<"$manifest"
check "manifest: common controls 6" \
    grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
check "manifest: one, with the process's id" test "$(wrestool -l -t24 "$exe" | grep -c -- '--name=1 ')" -eq 1

# Every resource is tagged LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED (2052).
listing=$(wrestool -l "$exe")
echo "$listing"
check_eq "resources tagged other than 2052" "$(grep -vc -- '--language=2052' <<<"$listing" || true)" 0
check "no menu resource: the menu bar is built from Form1" test -z "$(grep -- '--type=4 ' <<<"$listing")"
finish
