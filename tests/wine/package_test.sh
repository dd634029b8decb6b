#!/usr/bin/env bash
# The release archive, as a Windows user gets it: made by
# scripts/package-windows.sh from the 64-bit and 32-bit builds, opened, and
# each file looked at.
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

archive=$(bash "$QHJ_SOURCE_DIR/scripts/package-windows.sh" "$QHJ_X64_BUILD" "$QHJ_X86_BUILD" "$work")
check_eq "the archive's name" "$(basename "$archive")" "qinghejian-$QHJ_VERSION-windows.zip"
check "unzip opens it" unzip -q "$archive" -d "$work/unzipped"
check_eq "it holds one folder" "$(ls "$work/unzipped")" "qinghejian-$QHJ_VERSION-windows"
ln -s "$work/unzipped/qinghejian-$QHJ_VERSION-windows" "$work/open"
check_eq "the folder holds the two folders, the licence and the usage note" \
    "$(cd "$work/open/" && find . -type f | sort | tr '\n' ' ')" \
    "./LICENSE ./x64/qinghejian-convert.exe ./x64/qinghejian.exe ./x86/qinghejian-convert.exe ./x86/qinghejian.exe ./使用说明.txt "
for arch in x64 x86; do
    for program in qinghejian qinghejian-convert; do
        kind=$(file -b "$work/open/$arch/$program.exe")
        case $arch in
        x64) check "$arch/$program.exe is a 64-bit program: $kind" grep -q '^PE32+ executable.*x86-64' <<<"$kind" ;;
        x86) check "$arch/$program.exe is a 32-bit program: $kind" grep -q '^PE32 executable.*Intel 80386' <<<"$kind" ;;
        esac
    done
done
note=$work/open/使用说明.txt
check "使用说明.txt starts with the UTF-8 byte-order mark" test "$(head -c 3 "$note" | od -An -tx1 | tr -d ' ')" = efbbbf
check "使用说明.txt is UTF-8" iconv -f UTF-8 -t UTF-8 "$note" -o /dev/null
check "使用说明.txt has Windows line ends" test "$(grep -c $'\r$' "$note")" -eq "$(wc -l <"$note")"
check "使用说明.txt names both folders" grep -q 'x86' "$note"
check "使用说明.txt says nothing needs installing" grep -q '不需要安装' "$note"
check "使用说明.txt shows the console companion" grep -q 'qinghejian-convert --help' "$note"
check "使用说明.txt ends with the release history" grep -q "^  $QHJ_VERSION（" "$note"
check "LICENSE is the MIT licence of 墨桐青岚电脑" grep -q 'Copyright (c) 2026 墨桐青岚电脑' "$work/open/LICENSE"
finish
