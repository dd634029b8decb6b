#!/usr/bin/env bash
# End-to-end tests of qinghejian-convert: runs the real program on arguments
# and on standard input and checks its standard output, standard error and
# exit status.
#
#   tests/e2e/cli_test.sh PROGRAM [RUNNER...]
#
# QHJ_VERSION holds the version --version must report.
#
# PROGRAM is the program to run, e.g. build/bin/qinghejian-convert or
# build-windows/bin/qinghejian-convert.exe; RUNNER, when given, is the
# command that runs it, e.g. Wine's 64-bit loader:
#
#   tests/e2e/cli_test.sh build-windows/bin/qinghejian-convert.exe /usr/lib/wine/wine64
#
# For a .exe the lines must end in CRLF; the CRs are checked and then taken
# off, so every case compares the same text on both systems. Wine's own
# messages are silenced with WINEDEBUG=-all unless WINEDEBUG is set.
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM [RUNNER...]" >&2
    exit 2
fi
program=$1
shift
runner=("$@")
: "${QHJ_VERSION:?set QHJ_VERSION to the version the program reports}"
export LC_ALL=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}

windows=0
case "$program" in
*.exe | *.EXE) windows=1 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/../../scripts/lib/checks.sh"

# run STDIN ARG...: runs the program with the bytes STDIN on its standard
# input; leaves $status and the files out and err (CRs of CRLF taken off).
run() {
    printf '%s' "$1" >"$work/in"
    shift
    run_on_in "$@"
}

# run_on_in ARG...: the same, with the file in on standard input.
run_on_in() {
    "${runner[@]}" "$program" "$@" <"$work/in" >"$work/out.raw" 2>"$work/err.raw"
    status=$?
    # 32-bit Wine's own loader now and then trips an assertion of the
    # system's ld.so as the process ends, on a busy machine: Wine's fault,
    # not the program's. Such a run is tried once more, and said.
    if [ $status -eq 127 ] && grep -q '^Inconsistency detected by ld.so' "$work/err.raw"; then
        echo "# Wine's loader failed as the process ended; running it again: $*"
        "${runner[@]}" "$program" "$@" <"$work/in" >"$work/out.raw" 2>"$work/err.raw"
        status=$?
    fi
    if [ $windows -eq 1 ]; then
        sed 's/\r$//' "$work/out.raw" >"$work/out"
        sed 's/\r$//' "$work/err.raw" >"$work/err"
    else
        cp "$work/out.raw" "$work/out"
        cp "$work/err.raw" "$work/err"
    fi
}

# same FILE TEXT: whether FILE holds exactly TEXT.
same() {
    printf '%s' "$2" >"$work/expected"
    cmp -s "$1" "$work/expected"
}

show() {
    echo "  $1:" >&2
    sed 's/^/    | /' "$2" >&2
}

# expect_run NAME STDIN STATUS STDOUT STDERR -- ARG...
expect_run() {
    local name=$1 input=$2 want_status=$3 want_out=$4 want_err=$5
    shift 6
    run "$input" "$@"
    local ok=1
    same "$work/out" "$want_out" || ok=0
    same "$work/err" "$want_err" || ok=0
    [ "$status" -eq "$want_status" ] || ok=0
    if [ $ok -eq 1 ]; then
        pass "$name"
    else
        fail "$name (status $status, expected $want_status)"
        show "stdout" "$work/out"
        printf '%s' "$want_out" >"$work/expected" && show "expected stdout" "$work/expected"
        show "stderr" "$work/err"
        printf '%s' "$want_err" >"$work/expected" && show "expected stderr" "$work/expected"
    fi
}

W=小数点后第二位后的数字将被忽略
F=你输入的数字太大或者输入错误，识别失败
N=$'\n'

# --- the companion's table, shared with the unit tests ----------------------
# tests/support/cli_cases.tsv: name, status, arguments (each after a |),
# then input, output and error with printf's escapes. Read whole first, so
# that what the loop runs cannot eat its lines.
source "$(dirname "$0")/../support/tsv.sh"
tsv_rows "$(dirname "$0")/../support/cli_cases.tsv"
rows=0
for row in "${TSV_ROWS[@]}"; do
    rows=$((rows + 1))
    tsv_fields "$row" name want_status args input want_out want_err
    argv=()
    [ -n "$args" ] && IFS='|' read -r -a argv <<<"${args#|}"
    [[ "$args" == *"|" ]] && argv+=("")
    printf '%b' "$input" >"$work/in"
    printf '%b' "${want_out//\{version\}/$QHJ_VERSION}" >"$work/want_out"
    printf '%b' "$want_err" >"$work/want_err"
    run_on_in "${argv[@]}"
    if [ "$status" -eq "$want_status" ] && cmp -s "$work/out" "$work/want_out" && cmp -s "$work/err" "$work/want_err"; then
        pass "$name"
    else
        fail "$name (status $status, expected $want_status)"
        show "stdout" "$work/out"
        show "expected stdout" "$work/want_out"
        show "stderr" "$work/err"
        show "expected stderr" "$work/want_err"
    fi
done
check "the table of the companion's cases holds cases ($rows)" test "$rows" -gt 0

# --- files, help and today's date --------------------------------------------
printf '1\n2\n' >"$work/amounts.txt"
expect_run "files and standard input in turn" "3$N" 0 "壹圆整${N}贰圆整${N}叁圆整${N}肆圆整$N" "" -- -f "$work/amounts.txt" - 4
run "" --help
if [ "$status" -eq 0 ] && grep -q '^用法：qinghejian-convert \[--standard \[--rmb\]\] \[金额…\]$' "$work/out" \
    && grep -q -- '--standard 1,680.32 -0.1' "$work/out" && [ ! -s "$work/err" ]; then
    pass "help"
else
    fail "help"
    show "stdout" "$work/out"
fi

# Spreadsheets as they are saved, read back by Python's own csv reader.
if python3 "$(dirname "$0")/sheets_test.py" "$program" "${runner[@]}" >"$work/sheets" 2>&1; then
    pass "spreadsheets, $(grep -c '^ok' "$work/sheets") checks"
else
    fail "spreadsheets"
    grep -v '^ok' "$work/sheets" >&2
fi
# Today, in local time, as the same program writes today's date given.
before=$(date +%F)
run "" --date
today=$(cat "$work/out")
after=$(date +%F)
run "" --date "$before"
expected=$(cat "$work/out")
[ "$before" = "$after" ] || { run "" --date "$after"; expected=$(cat "$work/out"); }
check_eq "--date alone writes today" "$today" "$expected"

# --- line ends on Windows ----------------------------------------------------
if [ $windows -eq 1 ]; then
    run "" 1 1.234
    if printf '壹圆整\r\n壹圆贰角叁分整\r\n' | cmp -s - "$work/out.raw" \
        && printf '第2行：%s\r\n' "$W" | cmp -s - "$work/err.raw"; then
        pass "CRLF line ends on Windows"
    else
        fail "CRLF line ends on Windows"
    fi
fi

# --- standard output and error together keep their order -------------------
printf '1.234\n12a\n5\n' >"$work/in"
"${runner[@]}" "$program" <"$work/in" >"$work/both.raw" 2>&1
status=$?
sed 's/\r$//' "$work/both.raw" >"$work/both"
if [ "$status" -eq 1 ] && same "$work/both" "第1行：$W${N}壹圆贰角叁分整${N}第2行：$F${N}${N}伍圆整$N"; then
    pass "notices before their line when both go to one file"
else
    fail "notices before their line when both go to one file"
    show "output" "$work/both"
fi

# --- answers come as lines arrive -------------------------------------------
coproc convert { "${runner[@]}" "$program" --standard 2>/dev/null; }
convert_pid=$convert_PID
answered=""
printf '100\n' >&"${convert[1]}"
IFS= read -r -t 20 answered <&"${convert[0]}" || true
printf '0.05\n' >&"${convert[1]}"
IFS= read -r -t 20 second <&"${convert[0]}" || second=""
exec {convert[1]}>&-
wait "$convert_pid" 2>/dev/null
status=$?
if [ "${answered%$'\r'}" = "壹佰元整" ] && [ "${second%$'\r'}" = "伍分" ] && [ "$status" -eq 0 ]; then
    pass "each answer before the next line is sent"
else
    fail "each answer before the next line is sent (got '$answered', '$second', status $status)"
fi

# --- big inputs ----------------------------------------------------------------
# Many lines, in order.
awk 'BEGIN { for (i = 0; i < 200000; i++) printf "%d.%02d\n", i * 7, i % 100 }' >"$work/many"
"${runner[@]}" "$program" --standard <"$work/many" >"$work/many.out" 2>"$work/many.err"
status=$?
lines=$(wc -l <"$work/many.out")
first=$(sed -n '1p' "$work/many.out" | tr -d '\r')
last=$(sed -n '200000p' "$work/many.out" | tr -d '\r')
if [ "$status" -eq 0 ] && [ "$lines" -eq 200000 ] && [ ! -s "$work/many.err" ] \
    && [ "$first" = "零元整" ] && [ "$last" = "壹佰叁拾玖万玖仟玖佰玖拾叁元玖角玖分" ]; then
    pass "200000 lines"
else
    fail "200000 lines (status $status, $lines lines, first '$first', last '$last')"
fi

# One line of 64 MiB with no line end, and one with a point at the start:
# both read through in constant memory, with the window's results.
head -c $((64 << 20)) /dev/zero | tr '\0' '7' >"$work/long"
check_long() {
    local name=$1 want_out=$2 want_err=$3 want_status=$4
    shift 4
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -f '%M' -o "$work/rss" "${runner[@]}" "$program" "$@" <"$work/long" >"$work/out.raw" 2>"$work/err.raw"
    else
        "${runner[@]}" "$program" "$@" <"$work/long" >"$work/out.raw" 2>"$work/err.raw"
    fi
    status=$?
    sed 's/\r$//' "$work/out.raw" >"$work/out"
    sed 's/\r$//' "$work/err.raw" >"$work/err"
    if [ "$status" -eq "$want_status" ] && same "$work/out" "$want_out" && same "$work/err" "$want_err"; then
        pass "$name"
    else
        fail "$name (status $status)"
        show "stdout" "$work/out"
        show "stderr" "$work/err"
    fi
}
check_long "64 MiB of digits" "$N" "第1行：$F$N" 1
[ -f "$work/rss" ] && digits_rss=$(tail -n 1 "$work/rss")
printf '3.' | dd of="$work/long" conv=notrunc status=none
check_long "64 MiB fraction" "叁圆柒角柒分整$N" "第1行：$W$N" 1
# Peak memory for the 64 MiB line against a one-line input: no more than
# 16 MiB apart (the line would need 64 MiB, and 128 more as UTF-16).
if [ ${#runner[@]} -ne 0 ]; then
    skip "constant memory: the runner's own memory would be measured, not the program's"
elif [ -z "${digits_rss:-}" ]; then
    fail "constant memory: /usr/bin/time, which measures it, is missing; scripts/install-deps.sh test installs it"
else
    printf '5\n' >"$work/in"
    /usr/bin/time -f '%M' -o "$work/rss" "$program" <"$work/in" >/dev/null 2>&1
    small_rss=$(tail -n 1 "$work/rss")
    if [ $((digits_rss - small_rss)) -lt 16384 ]; then
        pass "constant memory: ${digits_rss} KiB for a 64 MiB line, ${small_rss} KiB for one amount"
    else
        fail "constant memory: ${digits_rss} KiB for a 64 MiB line, ${small_rss} KiB for one amount"
    fi
fi

finish
