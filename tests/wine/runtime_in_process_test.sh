#!/usr/bin/env bash
# The Win32 window and runtime tested from inside
# (tests/app/win32/runtime_test.cpp), on the harness's Wine session.
set -euo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/wine.sh"
backend_session_start
trap backend_session_stop EXIT
timeout 150 "$QHJ_WINE_LOADER" "$QHJ_WINDOWS_BIN/runtime_test.exe"
