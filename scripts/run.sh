#!/usr/bin/env bash
# `make run`: opens 青禾笺. Without a desktop session (neither DISPLAY nor
# WAYLAND_DISPLAY set) it says so, shows the window for a few seconds on a
# private virtual display instead, saves a screenshot, prints its path and
# ends, leaving nothing running: the program gets a D-Bus session of its
# own that ends with it.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/bin/qinghejian
[ -x "$app" ] || { echo "$app is not built; run make run" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi

echo "青禾笺 is a desktop program and needs a desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set."
echo "Showing the window on a private virtual display (Xvfb) instead, for a screenshot."

export LC_ALL=C.UTF-8
source scripts/lib/display.sh
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
session_pid=""
finish() {
    # Ending the program ends its session, and the session its bus.
    if [ -n "$session_pid" ]; then
        [ -s "$runtime/pid" ] && kill "$(cat "$runtime/pid")" 2>/dev/null
        wait "$session_pid" 2>/dev/null || true
    fi
    stop_private_display
    rm -rf "$runtime"
}
trap finish EXIT
start_private_display
dbus-run-session -- sh -c 'echo $$ >"$1/pid"; exec "$2"' sh "$runtime" "$app" 2> >(grep -v 'Failed to set fd limit' >&2) &
session_pid=$!

# The program's window: the one of class qinghejian, with its size and place.
geometry=""
for _ in $(seq 1 100); do
    geometry=$(xwininfo -root -tree 2>/dev/null | sed -n 's/.*("qinghejian" "qinghejian")  *\([0-9]*x[0-9]*+[0-9]*+[0-9]*\).*/\1/p' | head -n 1)
    [ -n "$geometry" ] && break
    kill -0 "$session_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$geometry" ] || { echo "the window did not show" >&2; exit 1; }
sleep 1 # the first paint
mkdir -p build/screenshots
shot=build/screenshots/run.png
import-im6.q16 -window root -crop "$geometry" +repage "$shot"
echo "The window ran on the virtual display $DISPLAY; its screenshot: $(realpath "$shot")"
