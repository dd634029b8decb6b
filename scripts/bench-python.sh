#!/usr/bin/env bash
# `make bench`'s Python part: the installed wheel's calls in Debian's Python
# against the native qinghejian-convert's per-line time on the same 10^6
# amounts. Goals: to_capitals, from_capitals and check_pair within 4x of
# native per call; to_capitals_many within 2x.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/bench_inputs.sh
/usr/bin/python3 -m venv "$work/venv"
"$work/venv/bin/python" -m pip install -q --no-index build-python/dist/qinghejian-*_"$(uname -m)".whl
echo "== the Python package in $(/usr/bin/python3 -V), $n amounts"
"$work/venv/bin/python" - "$work" "$(native_ns --standard <"$work/amounts")" "$(native_ns --read <"$work/capitals")" \
    "$(native_ns --check <"$work/pairs")" <<'PY'
import sys, time
import qinghejian as q

work, to_ns, from_ns, check_ns = sys.argv[1], *map(int, sys.argv[2:])
read = lambda name: open(f"{work}/{name}", encoding="utf-8").read().splitlines()
amounts, capitals = read("amounts"), read("capitals")
pairs = [line.split("\t") for line in read("pairs")]
runs = [
    ("to_capitals", lambda: [q.to_capitals(a) for a in amounts], to_ns, 4),
    ("to_capitals_many", lambda: q.to_capitals_many(amounts), to_ns, 2),
    ("from_capitals", lambda: [q.from_capitals(c) for c in capitals], from_ns, 4),
    ("check_pair", lambda: [q.check_pair(f, c) for f, c in pairs], check_ns, 4),
]
for name, run, native, goal in runs:
    start = time.perf_counter()
    run()
    ns = (time.perf_counter() - start) * 1e9 / len(amounts)
    print(f"{name:17} {1e3 / ns:.2f} million calls/s, {ns:.0f} ns a call; qinghejian-convert {native} ns a line: "
          f"{ns / native:.2f}x (goal: at most {goal}x)")
PY
