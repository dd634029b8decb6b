#!/usr/bin/env bash
# The program on Wayland: a headless weston with the pixman renderer, the
# program on Qt's wayland platform, and weston-screenshooter's picture of
# it. Headless weston has no seat, so nothing is typed or clicked; the
# program must start, show its window, and run until it is ended. Run
# contained.
#
#   wayland_test.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/../../../scripts/lib/checks.sh"
program=$1
export LC_ALL=C.UTF-8
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
export WAYLAND_DISPLAY=qinghejian-test
unset DISPLAY
weston_pid="" app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# --debug lets weston-screenshooter take the picture.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { cat "$runtime/weston.log"; give_up "weston starts"; }
pass "weston starts, headless, with the pixman renderer"

QT_QPA_PLATFORM=wayland "$program" >"$runtime/program.log" 2>&1 &
app_pid=$!
sleep 3
check "the program runs on Qt's wayland platform" kill -0 "$app_pid"

shot_dir=$runtime/shots
mkdir "$shot_dir"
(cd "$shot_dir" && weston-screenshooter) >"$runtime/screenshooter.log" 2>&1
shot=$(ls "$shot_dir"/*.png 2>/dev/null | head -n 1)
check "weston-screenshooter takes a picture" test -n "$shot"
[ -n "$shot" ] || sed 's/^/  weston-screenshooter: /' "$runtime/screenshooter.log"
if [ -n "$shot" ]; then
    # The window's light grey, over weston's darker pattern: the client area
    # alone is 454 x 90 pixels.
    grey=$(convert-im6.q16 "$shot" -format %c histogram:info:- | sed -n 's/^ *\([0-9]*\): (239,239,239).*/\1/p')
    check "the picture shows the window (${grey:-0} window-grey pixels)" test "${grey:-0}" -gt 30000
    mkdir -p "${QHJ_SCREENSHOTS:-/tmp}" && cp "$shot" "${QHJ_SCREENSHOTS:-/tmp}/wayland.png"
fi
check "the program still runs" kill -0 "$app_pid"
kill "$app_pid"
wait "$app_pid"
status=$?
app_pid=""
check_eq "it ends when it is ended (SIGTERM)" "$status" 143
sed 's/^/  program: /' "$runtime/program.log"
finish
