#!/usr/bin/env bash
# The Windows programs of one build, read as files: statically linked, so
# they import Windows system DLLs only and nothing has to be shipped beside
# them; made for the processor of the build (QHJ_WINDOWS_ARCH, x64 or x86);
# the window a GUI program under 200 KiB, its companion a console program.
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"

case $QHJ_WINDOWS_ARCH in
x64) objdump=x86_64-w64-mingw32-objdump magic=020b ;;
x86) objdump=i686-w64-mingw32-objdump magic=010b ;;
*) give_up "QHJ_WINDOWS_ARCH is x64 or x86, not '$QHJ_WINDOWS_ARCH'" ;;
esac
# DLLs every Windows installation has in System32.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll shell32.dll ole32.dll uxtheme.dll "

for program in qinghejian qinghejian-convert; do
    exe=$QHJ_WINDOWS_BIN/$program.exe
    check "$program.exe exists" test -f "$exe"
    headers=$("$objdump" -p "$exe")
    mapfile -t dlls < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
    echo "$program.exe imports: ${dlls[*]}; $(stat -c %s "$exe") bytes"
    check "$program.exe imports something" test "${#dlls[@]}" -gt 0
    for dll in "${dlls[@]}"; do
        if [[ "$system_dlls" == *" $dll "* ]]; then
            pass "$program.exe: $dll is a system DLL"
        else
            fail "$program.exe: $dll is not a Windows system DLL"
        fi
    done
    check "$program.exe is for $QHJ_WINDOWS_ARCH" grep -q "Magic.*$magic" <<<"$headers"
    # A link time in the header would make every build's bytes differ.
    check "$program.exe carries no link time" grep -qE '^Time/Date\s+Thu Jan  1 00:00:00 1970$' <<<"$headers"
done
headers=$("$objdump" -p "$QHJ_WINDOWS_BIN/qinghejian.exe")
check "qinghejian.exe is a GUI program (-mwindows)" grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"
check "qinghejian.exe is under 200 KiB" test "$(stat -c %s "$QHJ_WINDOWS_BIN/qinghejian.exe")" -lt $((200 * 1024))
headers=$("$objdump" -p "$QHJ_WINDOWS_BIN/qinghejian-convert.exe")
check "qinghejian-convert.exe is a console program" grep -q 'Subsystem.*(Windows CUI)' <<<"$headers"
finish
