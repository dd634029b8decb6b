#!/usr/bin/env bash
# qinghejian-convert.exe under Wine: the same end-to-end cases as the Linux
# program, with CRLF line ends and UTF-8 output when redirected.
set -euo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/wine.sh"
backend_session_start
trap backend_session_stop EXIT
timeout 200 bash "$QHJ_SOURCE_DIR/tests/e2e/cli_test.sh" "$QHJ_WINDOWS_BIN/qinghejian-convert.exe" "$QHJ_WINE_LOADER"
