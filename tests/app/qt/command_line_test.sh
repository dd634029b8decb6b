#!/usr/bin/env bash
# qinghejian --help and --version where there is no display: over ssh, in a
# script, in a package build. Both answer with status 0; before, Qt aborted
# looking for its platform plugin (status 134).
#
#   command_line_test.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/../../../scripts/lib/checks.sh"
program=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8)

for option in --version -V; do
    out=$("${nodisplay[@]}" "$program" "$option" 2>&1)
    status=$?
    check_eq "$option without a display: status" "$status" 0
    check_eq "$option without a display: the version" "$out" "青禾笺 $QHJ_VERSION_TEXT"
done
for option in --help -h; do
    out=$("${nodisplay[@]}" "$program" "$option" 2>&1)
    status=$?
    check_eq "$option without a display: status" "$status" 0
    check "$option names both options" grep -q -- '-V, --version' <<<"$out"
done
out=$("${nodisplay[@]}" "$program" --version 2>&1 >/dev/full)
check_eq "a full standard output says so" "$out" "qinghejian：写入标准输出失败"
finish
