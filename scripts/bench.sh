#!/usr/bin/env bash
# Runs every benchmark built by the bench preset.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== ConvertAmount"
build-bench/bin/conversion_bench --benchmark_min_time=0.5
