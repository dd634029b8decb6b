#!/usr/bin/env bash
# Runs one end-to-end scenario against one program, contained (see
# scripts/lib/contained.sh):
#
#   run_scenario.sh qt|wine|web SCENARIO
#
# SCENARIO is a file of tests/e2e/scenarios/, written once for all.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case ${1:-} in
qt | wine | web) ;;
*) echo "usage: $0 qt|wine|web SCENARIO" >&2; exit 2 ;;
esac

QHJ_E2E_BACKEND=$1 QHJ_HARNESS_DIR=$here QHJ_SCENARIO=$2 exec "$QHJ_SOURCE_DIR/scripts/lib/contained.sh" bash -c '
    set -uo pipefail
    source "$QHJ_HARNESS_DIR/harness.sh"
    source "$QHJ_HARNESS_DIR/$QHJ_E2E_BACKEND.sh"
    session_start
    source "$QHJ_SCENARIO"
    finish'
