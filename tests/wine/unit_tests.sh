#!/usr/bin/env bash
# The conversion's and the face's unit tests as the Windows build compiles
# them (tests/cross), under Wine.
set -uo pipefail
if [ "$QHJ_WINDOWS_ARCH" = x86 ]; then
    echo "SKIPPED: the 32-bit MinGW, with Win32 threads, cannot build GoogleTest; the WebAssembly build runs these tests with a 32-bit size_t"
    exit 77
fi
source "$QHJ_SOURCE_DIR/scripts/lib/wine.sh"
qhj_wine_env "$QHJ_WINE_PREFIX"
status=0
for suite in conversion_test face_test; do
    timeout 120 "$QHJ_WINE_LOADER" "$QHJ_WINDOWS_BIN/${suite}_cross.exe" --gtest_brief=1 || status=1
done
exit $status
