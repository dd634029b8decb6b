#!/usr/bin/env bash
# Fixture: asks once whether this kernel runs 32-bit x86 programs, and
# writes the answer, yes or no, to QHJ_I386_ANSWER for the 32-bit Wine tests
# to read. QHJ_I386=yes|no in the environment stands in for the probe.
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/i386.sh"
mkdir -p "$(dirname "$QHJ_I386_ANSWER")"
if qhj_i386_runs "$(dirname "$QHJ_I386_ANSWER")"; then
    echo yes >"$QHJ_I386_ANSWER"
    echo "this kernel runs 32-bit programs: the 32-bit Wine tests run"
else
    echo no >"$QHJ_I386_ANSWER"
    echo "$(qhj_i386_reason): the 32-bit Wine tests will be skipped"
fi
