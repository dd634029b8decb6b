#!/usr/bin/env bash
# Instructions a line of qinghejian-convert in each mode, as callgrind counts
# them over 200,000 random amounts of 1 to 12 integer digits: a figure that
# does not scatter from run to run as times do, so that a change to the hot
# path can be judged by a few percent. Usage: bench-callgrind.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build-bench/bin/qinghejian-convert}
if ! command -v valgrind >/dev/null; then
    echo "callgrind: skipped, valgrind is not installed"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
n=200000
# A fixed seed: the same amounts on every machine.
awk -v n="$n" 'BEGIN {
    srand(20261209)
    for (i = 0; i < n; i++) {
        digits = int(rand() * 12) + 1
        amount = int(rand() * 9) + 1
        for (d = 1; d < digits; d++)
            amount = amount int(rand() * 10)
        printf "%s.%02d\n", amount, int(rand() * 100)
    }
}' >"$work/amounts"
"$program" --standard <"$work/amounts" >"$work/capitals"
paste "$work/amounts" "$work/capitals" >"$work/pairs"

# per_line LABEL FILE ARG...: instructions a line, the process's whole count
# less that of the same mode on an empty input.
per_line() {
    local label=$1 file=$2 whole empty
    shift 2
    whole=$(count "$file" "$@")
    empty=$(count /dev/null "$@")
    awk -v w="$whole" -v e="$empty" -v n="$n" -v label="$label" \
        'BEGIN { printf "%-12s %6.0f instructions a line\n", label, (w - e) / n }'
}
count() {
    local file=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" "$@" -f "$file" \
        >/dev/null 2>"$work/log" || true
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$work/log" | tail -n 1
}

echo "== qinghejian-convert under callgrind, $n random amounts"
per_line "window form" "$work/amounts"
per_line --standard "$work/amounts" --standard
per_line --read "$work/capitals" --read
per_line --check "$work/pairs" --check
