# Sourced by `make run` without a desktop, by `make bench` and by the
# end-to-end tests: a private Xvfb display of their own.
#
#   start_private_display   starts Xvfb on the first free number from 100 up,
#                           waits until it answers, exports DISPLAY
#   stop_private_display    stops it again (also run on EXIT by the caller)
#
# A display chosen with -displayfd made Qt programs fail to connect now and
# then, so the number is picked here and the server polled with xdpyinfo.

QHJ_XVFB_PID=""

start_private_display() {
    local geometry=${1:-1280x800x24}
    local number log
    # Xvfb's chatter is kept aside, and shown if no display could be had.
    log=$(mktemp "${TMPDIR:-/tmp}/qhj-xvfb.XXXXXX") || return 1
    for number in $(seq 100 199); do
        if [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; then
            continue
        fi
        echo "--- Xvfb :${number}" >>"$log"
        Xvfb ":${number}" -screen 0 "$geometry" -nolisten tcp -noreset >>"$log" 2>&1 &
        QHJ_XVFB_PID=$!
        local tries
        for tries in $(seq 1 100); do
            if ! kill -0 "$QHJ_XVFB_PID" 2>/dev/null; then
                break # lost the race for this number: try the next one
            fi
            if DISPLAY=":${number}" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":${number}"
                rm -f "$log"
                return 0
            fi
            sleep 0.1
        done
        kill "$QHJ_XVFB_PID" 2>/dev/null || true
        wait "$QHJ_XVFB_PID" 2>/dev/null || true
        QHJ_XVFB_PID=""
    done
    echo "no free X display between :100 and :199; Xvfb said:" >&2
    sed 's/^/  | /' "$log" >&2
    rm -f "$log"
    return 1
}

stop_private_display() {
    if [ -n "$QHJ_XVFB_PID" ]; then
        kill "$QHJ_XVFB_PID" 2>/dev/null || true
        wait "$QHJ_XVFB_PID" 2>/dev/null || true
        QHJ_XVFB_PID=""
    fi
}
