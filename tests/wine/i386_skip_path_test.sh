#!/usr/bin/env bash
# The 32-bit Wine tests' skip, tried on any machine: this suite's own test
# list, run again with the probe's answer faked to "no", must report the
# 32-bit build's Wine tests as skipped with the reason and still run the
# 64-bit ones. The in-process runtime test of each build stands for the rest.
#
#   i386_skip_path_test.sh WINE_TESTS_BUILD_DIR
set -uo pipefail
source "$QHJ_SOURCE_DIR/tests/e2e/harness/checks.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/i386.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The faked answer goes to a file of this run's own: the other tests keep
# reading the real one.
sed "s|$QHJ_I386_ANSWER|$work/answer|g" "$build/CTestTestfile.cmake" >"$work/CTestTestfile.cmake"
QHJ_I386=no ctest --test-dir "$work" --verbose --no-tests=error \
    -R '^win32_x(64|86)_runtime_in_process$' --fixture-exclude-setup wine_prefix >"$work/log" 2>&1
status=$?
sed 's/^/  | /' "$work/log"

result() {
    sed -n "s/^ *[0-9]*\/[0-9]* Test *#[0-9]*: $1 \.* *\**\([A-Za-z]*\).*/\1/p" "$work/log"
}
check_eq "the faked probe answers no" "$(cat "$work/answer" 2>/dev/null)" no
check_eq "the 32-bit build's Wine test is skipped" "$(result win32_x86_runtime_in_process)" Skipped
check "the skip gives the reason" grep -q "SKIPPED: $(qhj_i386_reason)" "$work/log"
check_eq "the 64-bit build's Wine test still runs and passes" "$(result win32_x64_runtime_in_process)" Passed
check_eq "ctest counts the skip as no failure" "$status" 0
finish
