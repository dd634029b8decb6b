#!/usr/bin/env bash
# `make run`: opens 青禾笺. Without a desktop session (neither DISPLAY nor
# WAYLAND_DISPLAY set) it says so, shows the window for a few seconds on a
# private virtual display instead, saves a screenshot, prints its path and
# ends.
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
source tests/e2e/support/display.sh
source tests/e2e/support/app.sh
trap 'stop_app; stop_private_display' EXIT
start_private_display
start_app
sleep 2
shot=$(screenshot run | sed 's/^screenshot: //')
echo "The window ran on the virtual display $DISPLAY; its screenshot: $(realpath "$shot")"
quit_app_by_menu
