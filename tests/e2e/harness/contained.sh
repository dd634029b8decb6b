#!/usr/bin/env bash
# Runs a test command so that nothing it starts outlives it:
#
#   contained.sh COMMAND [ARG...]
#
# The command runs under a D-Bus session bus of its own, so that no program
# launches one that stays behind, and with a mark in its environment that
# every process it starts inherits. Once it is over, any process that still
# carries the mark (Xvfb, a bus, Wine, the program) fails the run and is
# ended.
set -uo pipefail

mark=qhj-e2e-$$-$RANDOM$RANDOM
QHJ_E2E_MARK=$mark dbus-run-session -- "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
status=$?

marked() {
    local proc
    for proc in /proc/[0-9]*; do
        grep -qzx "QHJ_E2E_MARK=$mark" "$proc/environ" 2>/dev/null && echo "${proc#/proc/}"
    done
}
left=""
for _ in $(seq 1 50); do
    left=$(marked)
    [ -z "$left" ] && break
    sleep 0.1
done
if [ -n "$left" ]; then
    echo "FAILED - still running after the test:"
    ps -o pid=,args= -p "$(echo $left | tr ' ' ,)" | sed 's/^/  /'
    kill -9 $left 2>/dev/null
    status=1
fi
exit "$status"
