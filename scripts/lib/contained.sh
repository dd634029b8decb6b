#!/usr/bin/env bash
# Runs a command so that nothing it starts outlives it:
#
#   contained.sh [--no-bus] COMMAND [ARG...]
#
# The command runs on a D-Bus session bus of its own (dbus-run-session), or
# with --no-bus on none at all, so that no program launches a bus that
# stays behind; and with a mark in its environment that every process it
# starts inherits. Once it is over, any process that still carries the
# mark (Xvfb, a bus, Wine, the program) fails the run and is ended.
set -uo pipefail

bus=(dbus-run-session --)
if [ "${1:-}" = --no-bus ]; then
    shift
    bus=(env DBUS_SESSION_BUS_ADDRESS=disabled:)
fi

mark=qhj-contained-$$-$RANDOM$RANDOM
QHJ_CONTAINED_MARK=$mark "${bus[@]}" "$@" 2> >(grep --line-buffered -v 'Failed to set fd limit' >&2)
status=$?

marked() {
    local proc
    for proc in /proc/[0-9]*; do
        grep -qzx "QHJ_CONTAINED_MARK=$mark" "$proc/environ" 2>/dev/null && echo "${proc#/proc/}"
    done
}
left=""
for _ in $(seq 1 50); do
    left=$(marked)
    [ -z "$left" ] && break
    sleep 0.1
done
if [ -n "$left" ]; then
    echo "FAILED - still running afterwards:" >&2
    ps -o pid=,args= -p "$(echo $left | tr ' ' ,)" | sed 's/^/  /' >&2
    kill -9 $left 2>/dev/null
    status=1
fi
exit "$status"
