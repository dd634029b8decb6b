#!/usr/bin/env bash
# The 32-bit Wine tests' skip, tried on any machine for each of its causes:
# this suite's own test list, run again with the cause faked, must report
# the 32-bit build's Wine tests as skipped with that cause's own sentence, in
# the summary `make test` prints, and still run the 64-bit ones. The
# in-process runtime test of each build stands for the rest.
#
#   i386_skip_path_test.sh WINE_TESTS_BUILD_DIR
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
build=$1
# The rows set the causes themselves.
unset QHJ_I386 QHJ_I386_KERNEL QHJ_DEPS_STATE
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The faked answer goes to a file of this run's own: the other tests keep
# reading the real one.
sed "s|$QHJ_I386_ANSWER|$work/answer|g" "$build/CTestTestfile.cmake" >"$work/CTestTestfile.cmake"
# A machine where 32-bit Wine could not be installed: dpkg knows no
# wine32, and install-deps.sh kept apt's reason.
mkdir -p "$work/no-wine32" "$work/state"
printf '#!/bin/sh\nexit 1\n' >"$work/no-wine32/dpkg-query"
chmod +x "$work/no-wine32/dpkg-query"
held="E: Unable to correct problems, you have held broken packages."
echo "$held" >"$work/state/i386-install-failed"

# cause | environment | the sentence the summary gives
causes=(
    "asked|QHJ_I386=no|QHJ_I386=no asked to leave the 32-bit programs out"
    "kernel|QHJ_I386_KERNEL=no|the kernel cannot run 32-bit programs"
    "install|QHJ_I386_KERNEL=yes QHJ_DEPS_STATE=$work/state PATH=$work/no-wine32:$PATH|32-bit Wine could not be installed: $held"
)
tests='^win32_x(64|86)_runtime_in_process$'
for row in "${causes[@]}"; do
    IFS='|' read -r cause environment sentence <<<"$row"
    rm -rf "$work/results"
    mkdir "$work/results"
    env $environment ctest --test-dir "$work" --verbose --no-tests=error -R "$tests" \
        --fixture-exclude-setup wine_prefix --output-junit "$work/results/wine.xml" >"$work/log" 2>&1
    status=$?
    sed "s/^/  $cause | /" "$work/log"
    python3 "$QHJ_SOURCE_DIR/scripts/test_summary.py" "$work/results" 0 wine >"$work/summary"
    summary=$?
    sed "s/^/  $cause | /" "$work/summary"
    check_eq "$cause: ctest counts the skip as no failure" "$status" 0
    check_eq "$cause: the summary counts no failure" "$summary" 0
    check "$cause: the summary gives the reason" grep -qxF "  wine: win32_x86_runtime_in_process: $sentence" "$work/summary"
    # The 64-bit build's test runs once, with the first cause.
    tests='^win32_x86_runtime_in_process$'
    [ "$cause" = asked ] && check "the 64-bit build's Wine test still runs and passes" \
        grep -qE 'win32_x64_runtime_in_process \.+ +Passed' "$work/log"
done
finish
