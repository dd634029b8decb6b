# Sourced by the Wine test scripts: named checks, counted, and the closing
# line "N passed, N failed"; `finish` exits non-zero when any check failed.

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

# check_eq DESCRIPTION ACTUAL EXPECTED
check_eq() {
    if [ "$2" == "$3" ]; then
        pass "$1"
    else
        fail "$1: got [$2], expected [$3]"
    fi
}

# check DESCRIPTION COMMAND...
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

finish() {
    echo "$QHJ_PASSED passed, $QHJ_FAILED failed"
    [ "$QHJ_FAILED" -eq 0 ] && [ "$QHJ_PASSED" -gt 0 ]
}
