#!/usr/bin/env bash
# qinghejian on a terminal where there is no display: over ssh, in a
# script, in a package build. --help and --version answer with status 0;
# the window itself says in Chinese that there is no display, with status
# 1, where Qt used to abort (status 134); anything else on the command line
# is a usage error, status 2.
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
out=$("${nodisplay[@]}" "$program" -platform xcb -V 2>&1)
check_eq "Qt's own options and their values are left to Qt" "$out" "青禾笺 $QHJ_VERSION_TEXT"

# arguments | status | the last line on standard error
usage='用“qinghejian --help”查看用法。'
rows=(
    "|1|qinghejian：无法打开窗口：没有可用的显示（图形界面未运行，或 DISPLAY、WAYLAND_DISPLAY 未设置）"
    "--bogus|2|$usage"
    "extra|2|$usage"
)
for row in "${rows[@]}"; do
    IFS='|' read -r args want_status want_err <<<"$row"
    # shellcheck disable=SC2086 # the arguments split on purpose
    err=$("${nodisplay[@]}" timeout 20 "$program" $args 2>&1 >/dev/null)
    status=$?
    check_eq "[$args] without a display: status" "$status" "$want_status"
    check_eq "[$args] without a display: says why" "$(tail -n 1 <<<"$err")" "$want_err"
done
check "an unknown option is named" grep -q '无法识别的参数“--bogus”' <<<"$("${nodisplay[@]}" "$program" --bogus 2>&1)"
finish
