#!/usr/bin/env bash
# Runs the make targets of the test suites given, each to its end even when
# an earlier one failed, then says what ran: each suite's passed, failed and
# skipped tests, every skip with its reason, and the wall time. Exits 1 when
# any suite failed or did not finish.
#
#   scripts/test.sh RESULTS TARGET...   e.g. build-results test-linux
#
# Each target's ctest writes JUnit results to RESULTS/SUITE.xml, SUITE being
# the target's name without "test-"; scripts/test_summary.py reads them.
set -uo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
results=$1
shift
rm -rf "$results"
mkdir -p "$results"
results=$(realpath "$results")

suites=()
unfinished=()
for target in "$@"; do
    suite=${target#test-}
    suites+=("$suite")
    if ! make --no-print-directory RESULTS="$results" "$target"; then
        unfinished+=("$suite")
    fi
done

python3 scripts/test_summary.py "$results" "$(($(date +%s) - start))" "${suites[@]}"
summary=$?
[ ${#unfinished[@]} -eq 0 ] && [ "$summary" -eq 0 ]
