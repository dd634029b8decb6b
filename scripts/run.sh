#!/usr/bin/env bash
# `make run`: opens 青禾笺. Without a desktop session (neither DISPLAY nor
# WAYLAND_DISPLAY set) it says so, shows the window for a few seconds on a
# private virtual display instead, saves a screenshot, prints its path and
# ends. That run has no D-Bus session, so nothing can launch one, and it
# fails if anything it started is left running.
set -euo pipefail
cd "$(dirname "$0")/.."
app=build-run/bin/qinghejian
[ -x "$app" ] || { echo "$app is not built; run make run" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi

if [ "${1:-}" != --headless ]; then
    echo "青禾笺 is a desktop program and needs a desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set."
    echo "Showing the window on a private virtual display (Xvfb) instead, for a screenshot."
    exec scripts/lib/contained.sh --no-bus bash "$0" --headless
fi

export LC_ALL=C.UTF-8
source scripts/lib/display.sh
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
app_pid=""
finish() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    stop_private_display
    rm -rf "$runtime"
}
trap finish EXIT
start_private_display
"$app" &
app_pid=$!

# The program's window: the one of class qinghejian, with its size and place.
geometry=""
for _ in $(seq 1 100); do
    geometry=$(xwininfo -root -tree 2>/dev/null | sed -n 's/.*("qinghejian" "qinghejian")  *\([0-9]*x[0-9]*+[0-9]*+[0-9]*\).*/\1/p' | head -n 1)
    [ -n "$geometry" ] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$geometry" ] || { echo "the window did not show" >&2; exit 1; }
sleep 1 # the first paint
mkdir -p build-run/screenshots
shot=build-run/screenshots/run.png
import-im6.q16 -window root -crop "$geometry" +repage "$shot"
echo "The window ran on the virtual display $DISPLAY; its screenshot: $(realpath "$shot")"
