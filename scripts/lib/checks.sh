# The one failure model of the shell tests: every check is named and
# counted, and `finish` ends the run. Sourced by the end-to-end harness, the
# shell tests and `make check-release`.
#
#   pass WHAT / fail WHAT        count a check that passed or failed
#   skip WHAT                    say aloud that a check was left out, and why
#   check WHAT COMMAND...        passes when COMMAND succeeds
#   check_eq WHAT ACTUAL EXPECTED
#   give_up WHAT                 a step the rest depends on failed: count
#                                it and finish at once
#   finish                       prints "N passed, M failed" and exits;
#                                fails when a check failed or none ran

QHJ_PASSED=0
QHJ_FAILED=0

pass() {
    QHJ_PASSED=$((QHJ_PASSED + 1))
    echo "ok - $*"
}

fail() {
    QHJ_FAILED=$((QHJ_FAILED + 1))
    echo "FAILED - $*"
}

skip() {
    echo "skip - $*"
}

check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

check_eq() {
    if [ "$2" == "$3" ]; then
        pass "$1"
    else
        fail "$1: got [$2], expected [$3]"
    fi
}

give_up() {
    fail "$*"
    finish
}

finish() {
    echo "$QHJ_PASSED passed, $QHJ_FAILED failed"
    if [ "$QHJ_PASSED" -eq 0 ] && [ "$QHJ_FAILED" -eq 0 ]; then
        echo "FAILED - nothing was checked"
        exit 1
    fi
    [ "$QHJ_FAILED" -eq 0 ] && exit 0
    exit 1
}
