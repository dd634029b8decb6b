#!/usr/bin/env bash
# Runs every benchmark built by the bench preset, then times the real
# qinghejian-convert on ten million lines.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== ConvertAmount"
build-bench/bin/conversion_bench --benchmark_min_time=0.5
echo "== qinghejian-convert's line loop, in memory"
build-bench/bin/cli_bench --benchmark_min_time=0.5

# time_run LABEL LINES FILE ARG...: the whole process, FILE on standard
# input, standard output to /dev/null.
time_run() {
    local label=$1 n=$2 file=$3 start end peak
    shift 3
    start=$EPOCHREALTIME
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -f '%M' -o "$work/time" build-bench/bin/qinghejian-convert "$@" <"$file" >/dev/null || true
    else
        build-bench/bin/qinghejian-convert "$@" <"$file" >/dev/null || true
    fi
    end=$EPOCHREALTIME
    peak="(peak memory: install the time package)"
    [ -f "$work/time" ] && peak="peak resident $(awk '{ printf "%.1f MiB", $1 / 1024 }' <(tail -n 1 "$work/time"))"
    awk -v s="$start" -v e="$end" -v n="$n" -v label="$label" -v peak="$peak" \
        'BEGIN { t = e - s; printf "%-12s %d lines in %.3f s: %.2f million lines/s, %s\n", label, n, t, n / t / 1e6, peak }'
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lines=10000000
echo "== qinghejian-convert, $lines lines from a file to /dev/null"
awk -v n="$lines" 'BEGIN { for (i = 0; i < n; i++) printf "%d.%02d\n", (i * 7919) % 1000000000, i % 100 }' >"$work/amounts"
time_run "window form" "$lines" "$work/amounts"
time_run --standard "$lines" "$work/amounts" --standard

# Reading and checking: a million capitals in the standard form, and the
# same with their figures before them.
million=1000000
echo "== qinghejian-convert --read and --check, $million lines to /dev/null"
head -n "$million" "$work/amounts" >"$work/figures"
build-bench/bin/qinghejian-convert --standard <"$work/figures" >"$work/capitals"
paste "$work/figures" "$work/capitals" >"$work/pairs"
time_run --read "$million" "$work/capitals" --read
time_run --check "$million" "$work/pairs" --check

# A clerk's sheet of a million rows, about 120 MB, checked into the same
# table with a verdict column; the goal is a million rows a second or more,
# in memory that does not grow with the sheet.
echo "== qinghejian-convert --check --csv, a sheet of $million rows into a table"
{
    echo "日期,金额,大写,备注"
    paste -d, "$work/figures" "$work/capitals" |
        awk -F, '{ printf "2026-%02d-%02d,%s,%s,第%d笔付款 供应商结算\r\n", NR % 12 + 1, NR % 28 + 1, $1, $2, NR }'
} >"$work/sheet.csv"
time_run "--check --csv" "$million" "$work/sheet.csv" --check --csv --header --figures 金额 --capitals 大写

# Instructions a line, which do not scatter: the figures a change to the
# hot path is judged by.
scripts/bench-callgrind.sh build-bench/bin/qinghejian-convert

echo "== qinghejian.exe (Windows, under Wine)"
scripts/bench-windows.sh

scripts/bench-web.sh
scripts/bench-python.sh
scripts/bench-java.sh

# The SQL function in Spark against CAST in the same query, and the Arrow
# path against the companion, on the cluster test's table of a million rows.
echo "== Spark and Flink on loopback (tests/sql)"
QHJ_SOURCE_DIR=$PWD QHJ_PYTHON_DIST=$PWD/build-python/dist QHJ_JAVA_OUT=$PWD/build-java/java \
    QHJ_CONVERT=$PWD/build-bench/bin/qinghejian-convert QHJ_NPM_VERSION=$(sed -n 's/^set(QHJ_NPM_VERSION "\(.*\)")$/\1/p' build-java/build-info.cmake) \
    scripts/lib/contained.sh --no-bus bash tests/sql/cluster_test.sh spark --bench | grep -E '^(==|FAIL)'

[ -x build-bench/bin/qinghejian_first_paint ] || exit 0

# Start-up to first paint and peak resident memory, qinghejian against a bare
# Qt window of the same size with one line of Chinese in the same face, on a
# private Xvfb display and a session bus of their own, as on a desktop. Each
# program reports at its first paint event (QHJ_REPORT_FIRST_PAINT holds the
# launch time) and ends. Runs alternate; one warm-up run each is not
# counted. The times on a shared machine scatter by a fifth from run to run,
# so the median is of QHJ_BENCH_RUNS (21) runs, and callgrind's count of the
# instructions each executes up to its first paint, which does not
# scatter, is given beside it.
echo
echo "== Start-up and memory under Xvfb, median of ${QHJ_BENCH_RUNS:-21} runs"
export LC_ALL=C.UTF-8
source scripts/lib/display.sh
trap 'stop_private_display; rm -rf "$work"' EXIT
start_private_display

runs=${QHJ_BENCH_RUNS:-21}
declare -A ms kb
once() {
    local report
    report=$(QHJ_REPORT_FIRST_PAINT=$(date +%s%N) timeout 20 "build-bench/bin/$1" 2>/dev/null)
    ms[$1]+="$(awk '/^first-paint-ms/ {print $2}' <<<"$report") "
    kb[$1]+="$(awk '/^peak-rss-kb/ {print $2}' <<<"$report") "
}
median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# Instructions up to the first paint, the program's own process only.
instructions() {
    QHJ_REPORT_FIRST_PAINT=1 valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" \
        "build-bench/bin/$1" >/dev/null 2>"$work/callgrind.log" || return 1
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$work/callgrind.log" | tail -n 1
}

dbus-run-session -- bash -c "$(declare -f once median); declare -A ms kb
    for program in qinghejian_first_paint bare_window; do once \$program; done
    ms=() kb=()
    for _ in \$(seq 1 $runs); do
        for program in qinghejian_first_paint bare_window; do once \$program; done
    done
    declare -p ms kb" 2> >(grep -v 'Failed to set fd limit' >&2) >"$work/runs"
source "$work/runs"

app_ms=$(median "${ms[qinghejian_first_paint]}") bare_ms=$(median "${ms[bare_window]}")
app_kb=$(median "${kb[qinghejian_first_paint]}") bare_kb=$(median "${kb[bare_window]}")
printf '%-12s %10s %14s\n' "" "first paint" "peak RSS"
printf '%-12s %8.1f ms %11.1f MB\n' qinghejian "$app_ms" "$(awk -v k="$app_kb" 'BEGIN {print k / 1024}')"
printf '%-12s %8.1f ms %11.1f MB\n' "bare window" "$bare_ms" "$(awk -v k="$bare_kb" 'BEGIN {print k / 1024}')"
echo "runs (ms): qinghejian ${ms[qinghejian_first_paint]}| bare ${ms[bare_window]}"
awk -v a="$app_ms" -v b="$bare_ms" -v c="$app_kb" -v d="$bare_kb" \
    'BEGIN {printf "ratio qinghejian / bare window: start-up %.2fx, peak RSS %.2fx (goal: at most 1.1x)\n", a / b, c / d}'
if command -v valgrind >/dev/null; then
    app_ir=$(dbus-run-session -- bash -c "$(declare -f instructions); work=$work; instructions qinghejian_first_paint" 2>/dev/null)
    bare_ir=$(dbus-run-session -- bash -c "$(declare -f instructions); work=$work; instructions bare_window" 2>/dev/null)
    awk -v a="$app_ir" -v b="$bare_ir" 'BEGIN {printf "instructions to the first paint: qinghejian %.1f million, bare window %.1f million, %.2fx\n", a / 1e6, b / 1e6, a / b}'
fi
