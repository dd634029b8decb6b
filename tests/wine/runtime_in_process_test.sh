#!/usr/bin/env bash
# The Win32 window and runtime tested from inside (tests/app/win32/runtime_test.cpp).
set -euo pipefail
source "$QHJ_SOURCE_DIR/tests/wine/support/session.sh"
qhj_session_start
timeout 150 wine "$QHJ_WINDOWS_BIN/runtime_test.exe"
