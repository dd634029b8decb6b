#!/usr/bin/env bash
# The installer of one build (scripts/package-msi.sh) under Wine, as an
# administrator runs it silently: over an older version, then the installed
# program, then the uninstall. Ends with the prefix as it found it.
set -euo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/wine.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
qhj_skip_without_i386
build=$(dirname "$QHJ_WINDOWS_BIN")
work=$(mktemp -d)
qhj_wine_env "$QHJ_WINE_PREFIX"
start_private_display
trap 'qhj_wine_kill; stop_private_display; rm -rf "$work"' EXIT

new=$(bash "$QHJ_SOURCE_DIR/scripts/package-msi.sh" "$build" "$work")
old=$(QHJ_MSI_VERSION=0.99 bash "$QHJ_SOURCE_DIR/scripts/package-msi.sh" "$build" "$work")
check_eq "the installer's name" "$(basename "$new")" "qinghejian-$QHJ_VERSION-$QHJ_WINDOWS_ARCH.msi"
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
new_code=$(product_code "$new") old_code=$(product_code "$old")
check "each version has its own product code" test -n "$new_code" -a "$new_code" != "$old_code"

case $QHJ_WINDOWS_ARCH in
x64) program_files="Program Files" software='Software' ;;
x86) program_files="Program Files (x86)" software='Software\Wow6432Node' ;;
esac
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/$program_files/Qinghejian
# Windows puts a machine-wide shortcut in everyone's Start menu, Wine in
# the installing user's.
shortcut() { find "$drive_c/ProgramData" "$drive_c/users" -path '*/Start Menu/Programs/青禾笺.lnk' -print -quit; }

msiexec() {
    qhj_quiet "msiexec $*" qhj_wine msiexec "$@" /qn
    # The registry reaches system.reg when the server ends.
    qhj_wine_kill
}
# What system.reg holds under the key of product code $1, and Wine's
# spelling of a text in it.
uninstall_entry() {
    local key="[$software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1]"
    key=${key//\\/\\\\}
    key=$key awk 'index($0, ENVIRON["key"]) == 1 { on = 1; next } /^\[/ { on = 0 } on' "$WINEPREFIX/system.reg"
}
reg_text() { python3 -c 'import sys; print("".join(c if ord(c) < 128 else "\\x%04x" % ord(c) for c in sys.argv[1]))' "$1"; }
# Everything in drive_c but temporary files, and the folder of Windows
# Installer's own cache, which stays once made.
drive_c_files() { (cd "$drive_c" && find . -ipath '*/temp' -prune -o -print | grep -vx './windows/Installer' | sort); }

drive_c_files >"$work/before"
msiexec /i "$(qhj_wine winepath -w "$old")"
check "the older version is installed" grep -q '^"DisplayVersion"="0.99"' <(uninstall_entry "$old_code")

msiexec /i "$(qhj_wine winepath -w "$new")"
entry=$(uninstall_entry "$new_code")
check "the upgrade removed the older version's entry" test -z "$(uninstall_entry "$old_code")"
check_eq "Add/Remove Programs names it" "$(grep '^"DisplayName"=' <<<"$entry")" "\"DisplayName\"=\"$(reg_text 青禾笺)\""
check_eq "... with its publisher" "$(grep '^"Publisher"=' <<<"$entry")" "\"Publisher\"=\"$(reg_text 墨桐青岚电脑)\""
check_eq "... and its version" "$(grep '^"DisplayVersion"=' <<<"$entry")" "\"DisplayVersion\"=\"$QHJ_VERSION\""
# Add/Remove Programs takes a Windows Installer product's icon from the
# product's own key, not from the uninstall entry.
check "... and its icon" grep -qF "\"ProductIcon\"=\"C:\\\\windows\\\\Installer\\\\$new_code\\\\qinghejian.ico\"" "$WINEPREFIX/system.reg"
check "... which is ours" cmp -s "$drive_c/windows/Installer/$new_code/qinghejian.ico" "$build/icon/qinghejian.ico"
check "... also where other lists look for it" grep -qF '"DisplayIcon"="C:\\Program Files' <<<"$entry"
check_eq "... its folder" "$(grep '^"InstallLocation"=' <<<"$entry")" "\"InstallLocation\"=\"C:\\\\$program_files\\\\Qinghejian\\\\\""
check_eq "... and the size of what it installed, in KiB" "$(grep '^"EstimatedSize"=' <<<"$entry")" \
    "$(cd "$installed" && stat -c %s ./* | awk '{ n += $1 } END { printf "\"EstimatedSize\"=dword:%08x", int((n + 1023) / 1024) }')"
for program in qinghejian.exe qinghejian-convert.exe; do
    check "$program is installed" cmp -s "$installed/$program" "$QHJ_WINDOWS_BIN/$program"
done
check "the licence is installed, with Windows line ends" cmp -s "$installed/LICENSE.txt" <(sed 's/$/\r/' "$QHJ_SOURCE_DIR/LICENSE")
shortcut=$(shortcut)
check "the Start menu has 青禾笺" test -n "$shortcut"
check "... which starts qinghejian.exe" grep -qa 'q.i.n.g.h.e.j.i.a.n...e.x.e' "$shortcut"
check "... with the icon" grep -qa 'q.i.n.g.h.e.j.i.a.n...i.c.o' "$shortcut"
check_eq "the installed companion converts" \
    "$(qhj_wine "$installed/qinghejian-convert.exe" 123456.78 2>/dev/null | tr -d '\r')" "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
qhj_wine_kill
stop_private_display
# The installed window, put through the first scenario.
check "the installed window generates and copies" env QHJ_WINDOWS_BIN="$installed" \
    bash "$QHJ_SOURCE_DIR/tests/e2e/harness/run_scenario.sh" wine "$QHJ_SOURCE_DIR/tests/e2e/scenarios/generate_and_copy.sh"
start_private_display

msiexec /x "$(qhj_wine winepath -w "$new")"
check "the uninstall removed the entry" test -z "$(uninstall_entry "$new_code")"
check "the uninstall removed the shortcut" test -z "$(shortcut)"
check "the uninstall left nothing in drive_c" diff "$work/before" <(drive_c_files)
finish
