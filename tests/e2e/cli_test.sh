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
    local input=$1
    shift
    printf '%s' "$input" >"$work/in"
    "${runner[@]}" "$program" "$@" <"$work/in" >"$work/out.raw" 2>"$work/err.raw"
    status=$?
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
P=数字输入出错
U1='qinghejian-convert：无法识别的选项'
U2='用“qinghejian-convert --help”查看用法；以“-”开头的金额请写在“--”之后。'
N=$'\n'

# --- amounts as arguments -------------------------------------------------
expect_run "start input" "" 0 "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整$N" "" -- 123456.78
expect_run "positional form" "" 0 "零圆整${N}壹拾零圆整${N}壹佰零拾零圆整${N}零仟零佰壹拾贰圆整${N}伍圆整${N}伍角整${N}零圆伍角整${N}壹圆零角伍分整$N" "" \
    -- 0 10 100 0012 5. .5 0.5 1.05
expect_run "twelve digits" "" 0 "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整$N" "" -- 999999999999
expect_run "thirteen digits" "" 1 "$N" "第1行：$F$N" -- 1000000000000
expect_run "standard form" "" 0 "壹仟肆佰零玖元伍角整${N}陆仟零柒元壹角肆分${N}壹仟陆佰捌拾元零叁角贰分${N}壹拾万柒仟元零伍角叁分${N}壹万陆仟肆佰零玖元零贰分${N}叁佰贰拾伍元零肆分$N" "" \
    -- --standard 1409.50 6007.14 1680.32 107000.53 16409.02 325.04
expect_run "standard zeros" "" 0 "壹佰元整${N}壹拾贰元整${N}零元整${N}伍角整${N}伍分${N}壹拾元零伍角整${N}壹亿零壹万元整${N}壹拾亿零壹元整${N}玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分$N" "" \
    -- 100 0012 0 0.5 0.05 10.5 100010000 1000000001 999999999999.99 --standard
expect_run "a cut converts, and fails" "" 1 "壹圆贰角叁分整$N" "第1行：$W$N" -- 1.234
expect_run "notices numbered" "" 1 "壹圆整$N$N$N$N" "第2行：$F${N}第3行：$P${N}第4行：$W${N}第4行：$F$N" -- 1 12a 1.2.3 1.a23
expect_run "empty and lone point" "" 1 "$N$N" "第1行：$F${N}第2行：$F$N" -- "" .
expect_run "full-width digits" "" 0 "壹拾贰圆伍角整$N" "" -- １２.５
expect_run "dash amounts after --" "" 1 "$N$N伍圆整$N" "第1行：$F${N}第2行：$F$N" -- -- -5 --help 5
expect_run "arguments, not standard input" "6$N" 0 "伍圆整$N" "" -- 5

# --- options ---------------------------------------------------------------
expect_run "version" "" 0 "青禾笺 $QHJ_VERSION$N" "" -- --version
expect_run "a negative amount is no option" "" 0 "负伍元整${N}负壹角整$N" "" -- --standard -5 -0.1
expect_run "figures as people write them" "" 1 "人民币壹仟肆佰零玖元伍角整${N}人民币壹万零玖拾捌亿柒仟陆佰伍拾肆万叁仟贰佰壹拾元整${N}$N" \
    "第3行：第5个字符：不是小写金额用字$N" -- --standard --rmb ￥1,409.50 1009876543210 1.01e3
printf '1\n2\n' >"$work/amounts.txt"
expect_run "files and standard input in turn" "3$N" 0 "壹圆整${N}贰圆整${N}叁圆整${N}肆圆整$N" "" -- -f "$work/amounts.txt" - 4
expect_run "unknown option" "" 2 "" "$U1“--standart”$N$U2$N" -- 5 --standart
run "" --help
if [ "$status" -eq 0 ] && grep -q '^用法：qinghejian-convert \[--standard \[--rmb\]\] \[金额…\]$' "$work/out" \
    && grep -q -- '--standard 1,680.32 -0.1' "$work/out" && [ ! -s "$work/err" ]; then
    pass "help"
else
    fail "help"
    show "stdout" "$work/out"
fi

# --- reading capitals, checking pairs, cheque dates -------------------------
expect_run "read" "" 0 "1680.32${N}100.00${N}0.05$N" "" -- --read 壹仟陆佰捌拾元零叁角贰分 壹佰零拾零圆整 零角伍分整
expect_run "read what cannot be read" "" 1 "$N" "第1行：第3个字符：数字后缺少单位$N" -- --read 壹佰伍
expect_run "read lines" $'人民币壹拾万零柒仟元伍角叁分\r\n貳萬圓整\n一百元\n' 1 "107000.53${N}20000.00${N}$N" \
    "第3行：第1个字符：不是大写数字$N" -- --read
expect_run "check a pair" "" 0 "一致$N" "" -- --check 100 壹佰零拾零圆整
expect_run "check finds a missing 零" "" 1 "一致；角位为零而分位不为零时，元后应写零$N" "" -- --check 10.05 壹拾元伍分
expect_run "check lines" $'1680.32\t壹仟陆佰捌拾元叁角\n1409 壹仟肆佰零玖元整\n12a\t壹拾贰元整\n-5 负伍元整\n' 1 \
    "不一致；小写为1680.32，大写为1680.30${N}一致${N}无法识别；小写第3个字符：不是小写金额用字${N}一致$N" "" -- --check
# Spreadsheets as they are saved, read back by Python's own csv reader.
if python3 "$(dirname "$0")/sheets_test.py" "$program" "${runner[@]}" >"$work/sheets" 2>&1; then
    pass "spreadsheets, $(grep -c '^ok' "$work/sheets") checks"
else
    fail "spreadsheets"
    grep -v '^ok' "$work/sheets" >&2
fi
expect_run "dates" "" 1 "贰零贰陆年零壹拾月零贰拾日${N}贰零贰肆年零贰月贰拾玖日${N}${N}贰零贰陆年零壹拾月零贰拾日$N" \
    "第3行：这个月没有这一天$N" -- --date 2026-10-20 2024/02/29 2023年2月29日 20261020
# Today, in local time, as the same program writes today's date given.
before=$(date +%F)
run "" --date
today=$(cat "$work/out")
after=$(date +%F)
run "" --date "$before"
expected=$(cat "$work/out")
[ "$before" = "$after" ] || { run "" --date "$after"; expected=$(cat "$work/out"); }
check_eq "--date alone writes today" "$today" "$expected"

# --- standard input --------------------------------------------------------
expect_run "no input" "" 0 "" "" --
expect_run "lines" "1${N}2$N" 0 "壹圆整${N}贰圆整$N" "" --
expect_run "no last line end" "1${N}2" 0 "壹圆整${N}贰圆整$N" "" --
expect_run "CRLF" $'1\r\n2.345\r\n' 1 "壹圆整${N}贰圆叁角肆分整$N" "第2行：$W$N" --
expect_run "BOM" $'\xEF\xBB\xBF100\r\n5' 0 "壹佰元整${N}伍元整$N" "" -- --standard
expect_run "empty line" "1${N}${N}2$N" 1 "壹圆整${N}${N}贰圆整$N" "第2行：$F$N" --
expect_run "invalid UTF-8" $'\xFF\n\xE5\xA3\n\xC0\xB1\n\xED\xA0\x80\n5\n' 1 "$N$N$N${N}伍圆整$N" \
    "第1行：$F${N}第2行：$F${N}第3行：$F${N}第4行：$F$N" --
expect_run "full-width and CJK" $'１２.５\n壹\n' 1 "壹拾贰圆伍角整$N$N" "第2行：$F$N" --
expect_run "more points" "1.2.3${N}..$N" 1 "$N$N" "第1行：$P${N}第2行：$P$N" --
expect_run "standard from input" "1409.50${N}0.05${N}10.05$N" 0 "壹仟肆佰零玖元伍角整${N}伍分${N}壹拾元零伍分$N" "" -- --standard

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
