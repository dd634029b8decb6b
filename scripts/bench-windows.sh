#!/usr/bin/env bash
# The Windows program's numbers, for `make bench`: the .exe's size, the DLLs
# it imports, and the time from starting it under Wine to its window being
# on the screen, beside a bare Win32 window built the same way
# (bench/win32/bare_window.cpp). Median of RUNS runs each, taken in turns,
# with one Wine server and desktop process kept running throughout, as a
# Windows session keeps its shell.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-11}
bin=build-windows/bin
exe=$bin/qinghejian.exe
bare=$bin/bare_window.exe

size=$(stat -c %s "$exe")
echo "size: $size bytes ($(awk -v s="$size" 'BEGIN { printf "%.1f", s / 1024 }') KiB; goal under 200 KiB)"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
echo "imports: $imports"
echo "bare window for comparison: $(stat -c %s "$bare") bytes, imports $(x86_64-w64-mingw32-objdump -p "$bare" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"

source scripts/lib/display.sh
source scripts/lib/wine.sh
qhj_wine_env "$PWD/build-windows/wine-prefix"
start_private_display
trap 'qhj_wine_kill; stop_private_display' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making the Wine prefix (once, about 15 s)"
    qhj_wine_make_prefix
fi
qhj_wine_kill
wineserver -p # persistent: stays up between the runs

now_ms() { date +%s%3N; }

# Starts a program, waits until a window named $2 is visible, prints the
# milliseconds that took, closes the program.
start_to_window() {
    local program=$1 name=$2 start pid end window
    start=$(now_ms)
    qhj_wine "$program" >/dev/null 2>&1 &
    pid=$!
    until window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null) && [ -n "$window" ]; do
        if [ $(($(now_ms) - start)) -gt 30000 ]; then
            echo "no window from $program" >&2
            kill "$pid"
            return 1
        fi
        sleep 0.01
    done
    end=$(now_ms)
    echo $((end - start))
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key alt+F4
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    sleep 0.5 # let Wine finish with the old process before the next start
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One unmeasured start of each loads Wine's libraries into the page cache.
start_to_window "$exe" 'BY:墨桐青岚' >/dev/null
start_to_window "$bare" '^bare-window ' >/dev/null
app_times=()
bare_times=()
for _ in $(seq 1 "$RUNS"); do
    app_times+=("$(start_to_window "$exe" 'BY:墨桐青岚')")
    bare_times+=("$(start_to_window "$bare" '^bare-window ')")
done
app=$(printf '%s\n' "${app_times[@]}" | median)
base=$(printf '%s\n' "${bare_times[@]}" | median)
echo "start to window under Wine, ms: qinghejian.exe ${app_times[*]}; bare window ${bare_times[*]}"
echo "median of $RUNS: qinghejian.exe $app ms, bare window $base ms," \
    "ratio $(awk -v a="$app" -v b="$base" 'BEGIN { printf "%.2f", a / b }') (goal at most 1.3)"

# A long paste: into qinghejian.exe's Text1 (paste_bench, from the same
# window library) and into a plain edit control of the bare window.
for digits in 30000 100000; do
    text1=$(qhj_wine "$bin/paste_bench.exe" "$digits" 2>/dev/null | tr -d '\r')
    plain=$(mktemp)
    qhj_wine "$bare" --paste "$digits" "$(qhj_wine winepath -w "$plain" 2>/dev/null)" >/dev/null 2>&1
    echo "paste of $digits digits under Wine: Text1 $text1 ms, a plain edit control $(tr -d '\r' <"$plain") ms"
    rm -f "$plain"
done
