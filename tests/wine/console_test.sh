#!/usr/bin/env bash
# qinghejian-convert.exe writing to a real console: Wine gives the program
# one when its streams are a terminal, here the pseudo-terminal script(1)
# makes, so the results and notices go through WriteConsoleW.
set -uo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/wine.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
qhj_skip_without_i386
qhj_wine_env "$QHJ_WINE_PREFIX"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
timeout 60 script -qec "$QHJ_WINE_LOADER $QHJ_WINDOWS_BIN/qinghejian-convert.exe 123 1.234" /dev/null \
    </dev/null >"$work/raw"
# What the terminal shows: without the console's cursor sequences and CRs.
sed -e 's/\x1b\[[?0-9;]*[a-zA-Z]//g' -e 's/\r//g' "$work/raw" | grep -v '^$' >"$work/shown"
printf '%s\n' 壹佰贰拾叁圆整 第2行：小数点后第二位后的数字将被忽略 壹圆贰角叁分整 >"$work/expected"
if cmp -s "$work/shown" "$work/expected"; then
    pass "results and notices on the console, in order"
else
    fail "results and notices on the console, in order"
    sed 's/^/  | /' "$work/shown"
fi
finish
