# Sourced by the benchmarks of the packages (scripts/bench-*.sh): the same
# 10^6 amounts for each, their capitals and the pairs of both, in $work,
# and qinghejian-convert's own time a line on them to compare with.
#
#   native_ns MODE <FILE   nanoseconds a line of qinghejian-convert MODE

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
n=1000000
awk -v n="$n" 'BEGIN { for (i = 0; i < n; i++) printf "%d.%02d\n", (i * 7919) % 1000000000, i % 100 }' >"$work/amounts"
build-bench/bin/qinghejian-convert --standard <"$work/amounts" >"$work/capitals"
paste "$work/amounts" "$work/capitals" >"$work/pairs"

native_ns() {
    local start end
    start=$EPOCHREALTIME
    build-bench/bin/qinghejian-convert "$@" >/dev/null
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" -v n="$n" 'BEGIN { printf "%.0f", (e - s) * 1e9 / n }'
}
