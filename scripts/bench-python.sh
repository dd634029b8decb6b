#!/usr/bin/env bash
# `make bench`'s Python part: the installed wheel's calls in Debian's Python
# against the native qinghejian-convert's per-line time on the same 10^6
# amounts. Goals: to_capitals, from_capitals and check_pair within 2x of
# native per call; to_capitals_many within 1.5x, and faster than a loop of
# to_capitals; to_capitals_arrow on a decimal128 column within 1.5x. Then
# the same on the WebAssembly wheel against the native wheel, side by side:
# within 10x.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/bench_inputs.sh
# pyarrow, and the WebAssembly wheel's wasmtime, as the tests have them.
tools=$(echo build-tools/pytest/debian/lib/python3*/site-packages)
for core in native wasm; do
    /usr/bin/python3 -m venv "$work/$core"
done
"$work/native/bin/python" -m pip install -q --no-index build-python/dist/qinghejian-*_"$(uname -m)".whl
"$work/wasm/bin/python" -m pip install -q --no-index --no-deps build-python/dist/qinghejian-*-py3-none-any.whl
for core in native wasm; do
    realpath "$tools" >"$(echo "$work"/$core/lib/python3*/site-packages)/tools.pth"
done

run() {
    "$work/$1/bin/python" - "$work" "${@:2}" <<'PY'
import decimal, sys, time
import pyarrow
import qinghejian as q

work, label, goal, many_goal, *native = sys.argv[1:]
read = lambda name: open(f"{work}/{name}", encoding="utf-8").read().splitlines()
amounts, capitals = read("amounts"), read("capitals")
pairs = [line.split("\t") for line in read("pairs")]
column = pyarrow.array([decimal.Decimal(a) for a in amounts], pyarrow.decimal128(38, 18))
runs = [
    ("to_capitals", lambda: [q.to_capitals(a) for a in amounts], native[0], goal),
    ("to_capitals_many", lambda: q.to_capitals_many(amounts), native[1], many_goal),
    ("to_capitals_arrow", lambda: q.to_capitals_arrow(column), native[2], many_goal),
    ("from_capitals", lambda: [q.from_capitals(c) for c in capitals], native[3], goal),
    ("check_pair", lambda: [q.check_pair(f, c) for f, c in pairs], native[4], goal),
]
for name, call, against, most in runs:
    start = time.perf_counter()
    call()
    ns = (time.perf_counter() - start) * 1e9 / len(amounts)
    print(f"{name:18} {1e3 / ns:.2f} million calls/s, {ns:.0f} ns a call; {label} {against} ns: "
          f"{ns / float(against):.2f}x (goal: at most {most}x)")
PY
}
echo "== the Python package in $(/usr/bin/python3 -V), $n amounts"
standard=$(native_ns --standard <"$work/amounts")
native=$(run native "qinghejian-convert a line" 2 1.5 "$standard" "$standard" "$standard" \
    "$(native_ns --read <"$work/capitals")" "$(native_ns --check <"$work/pairs")")
echo "$native"
loop=$(sed -n 's/^to_capitals   .* \([0-9]*\) ns a call;.*/\1/p' <<<"$native")
many=$(sed -n 's/^to_capitals_many .* \([0-9]*\) ns a call;.*/\1/p' <<<"$native")
echo "to_capitals_many against a loop of to_capitals: $many ns against $loop ns (goal: faster)"
echo "== ... on the WebAssembly wheel, against the native one"
run wasm "native" 10 10 $(sed -n 's/.* \([0-9]*\) ns a call;.*/\1/p' <<<"$native")
