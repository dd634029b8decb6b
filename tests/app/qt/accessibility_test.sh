#!/usr/bin/env bash
# The real program through a screen reader's eyes: on a private display and
# D-Bus session (run contained), with the AT-SPI bus that session starts
# on demand, accessibility_test.py walks the program's tree and presses
# its buttons.
#
#   accessibility_test.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/lib/display.sh"
export LC_ALL=C.UTF-8
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    stop_private_display
    rm -rf "$runtime"
}
trap cleanup EXIT
start_private_display || exit 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
app_pid=$!
/usr/bin/python3 "$here/accessibility_test.py"
