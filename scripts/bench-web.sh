#!/usr/bin/env bash
# `make bench`'s web part: the npm package's calls per second in Node.js
# against the native qinghejian-convert's per-line time on the same 10^6
# amounts, and the page's load to first paint in headless Chromium with its
# total bytes. Goals: within 4x of native per call; under 250 KB, painted
# in under 300 ms.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/bench_inputs.sh
native_to=$(native_ns --standard <"$work/amounts")
native_from=$(native_ns --read <"$work/capitals")

echo "== the npm package in Node.js $(node --version), $n amounts"
node - "$work/amounts" "$work/capitals" "$native_to" "$native_from" <<'JS'
const fs = require('node:fs');
const q = require(process.cwd() + '/build-web/npm/index.cjs');
const [amounts, capitals] = [2, 3].map((i) => fs.readFileSync(process.argv[i], 'utf8').trimEnd().split('\n'));
const native = { toCapitals: Number(process.argv[4]), fromCapitals: Number(process.argv[5]) };
for (const [name, inputs] of [['toCapitals', amounts], ['fromCapitals', capitals]]) {
    const call = q[name];
    for (let i = 0; i < 10000; ++i) call(inputs[i]); // warm up
    const start = process.hrtime.bigint();
    for (const input of inputs) call(input);
    const ns = Number(process.hrtime.bigint() - start) / inputs.length;
    console.log(`${name.padEnd(13)} ${(1e3 / ns).toFixed(2)} million calls/s, ${ns.toFixed(0)} ns a call; ` +
        `qinghejian-convert ${native[name]} ns a line: ${(ns / native[name]).toFixed(2)}x (goal: at most 4x)`);
}
JS

echo "== the page in headless Chromium, from file://, median of 5 loads"
site=$PWD/build-web/site
for run in 1 2 3 4 5; do
    printf '%s\n' "eval new Promise(r => { const p = () => { const e = performance.getEntriesByName('first-contentful-paint')[0]; e ? r(Math.round(e.startTime)) : setTimeout(p, 10); }; p(); })" requests |
        timeout 60 python3 tests/e2e/harness/cdp.py "file://$site/index.html" 1280 800 "$work/profile-$run" | tail -n 2
done >"$work/loads"
paint=$(awk -F'\t' 'NR % 2 == 1 { print $2 }' "$work/loads" | sort -n | sed -n 3p)
bytes=$(awk -F'\t' 'NR == 2 { print $2 }' "$work/loads" | python3 -c '
import json, os, sys
urls = json.load(sys.stdin)
print(sum(os.path.getsize(url[len("file://"):]) for url in urls if url.startswith("file://")))')
echo "first contentful paint ${paint} ms (goal: under 300 ms); the page loads $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1000 }') KB in all (goal: under 250 KB)"
