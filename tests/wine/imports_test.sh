#!/usr/bin/env bash
# qinghejian.exe is statically linked: it imports Windows system DLLs only,
# so nothing has to be shipped beside it, and it is a GUI program.
set -euo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/checks.sh"

exe=$QHJ_WINDOWS_BIN/qinghejian.exe
check "qinghejian.exe exists" test -f "$exe"
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
mapfile -t dlls < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
echo "imports: ${dlls[*]}"

# DLLs every Windows installation has in System32.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll shell32.dll ole32.dll uxtheme.dll "
check "it imports something" test "${#dlls[@]}" -gt 0
for dll in "${dlls[@]}"; do
    if [[ "$system_dlls" == *" $dll "* ]]; then
        pass "$dll is a system DLL"
    else
        fail "$dll is not a Windows system DLL"
    fi
done
check "the GUI subsystem (-mwindows)" grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"
check "64-bit" grep -q 'Magic.*020b' <<<"$headers"
echo "size: $(stat -c %s "$exe") bytes"
finish
