# Sourced by the scripts that run a tool whose chatter would bury what
# matters:
#
#   qhj_quiet WHAT COMMAND [ARG...]
#
# runs COMMAND with its output kept aside; when it fails, says that WHAT
# failed, with its status and everything it printed, on standard error.

qhj_quiet() {
    local what=$1 log status
    shift
    log=$(mktemp "${TMPDIR:-/tmp}/qhj-quiet.XXXXXX") || return 1
    "$@" >"$log" 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "$what failed with status $status: $*" >&2
        sed 's/^/  | /' "$log" >&2
    fi
    rm -f "$log"
    return "$status"
}
