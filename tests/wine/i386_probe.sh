#!/usr/bin/env bash
# Fixture: asks once whether the 32-bit Wine tests can run here, and writes
# to QHJ_I386_ANSWER why not, or nothing when they can, for those tests to
# read (scripts/lib/i386.sh).
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/i386.sh"
mkdir -p "$(dirname "$QHJ_I386_ANSWER")"
qhj_i386_skip_reason "$(dirname "$QHJ_I386_ANSWER")" >"$QHJ_I386_ANSWER"
if [ -s "$QHJ_I386_ANSWER" ]; then
    echo "$(cat "$QHJ_I386_ANSWER"): the 32-bit Wine tests will be skipped"
else
    echo "32-bit Wine is here: the 32-bit Wine tests run"
fi
