#!/usr/bin/env bash
# The npm package as a JavaScript user gets it: its tarball installed into
# an empty project, then the one table of cases of every language's package
# (tests/support/amount_cases.json) run by Node's
# own test runner through require() and through import.
set -euo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
echo '{"name": "user", "private": true}' >package.json
check "npm installs the tarball, offline" npm install --offline --no-audit --no-fund --ignore-scripts --silent "$QHJ_NPM_TARBALL"
check_eq "it brings no dependencies" "$(ls node_modules)" "qinghejian"
check_eq "its version is ours" "$(node -p "require('qinghejian/package.json').version")" "$(node -p "'$QHJ_VERSION'.split('.').map(Number).concat(0, 0).slice(0, 3).join('.')")"
check "it declares its types for each format" test -s node_modules/qinghejian/index.d.cts -a -s node_modules/qinghejian/index.d.mts
check "it has its README" grep -q 'toCapitals' node_modules/qinghejian/README.md

cases_loader="const fs = require('node:fs'); function loadCases() { return fs.readFileSync('$QHJ_SOURCE_DIR/tests/support/amount_cases.json', 'utf8'); }"
{
    echo "'use strict';"
    echo "const test = require('node:test'); const assert = require('node:assert/strict');"
    echo "$cases_loader"
    cat "$here/npm/api.test.js"
    echo "suite(require('qinghejian'));"
} >require.test.cjs
{
    echo "import test from 'node:test'; import assert from 'node:assert/strict'; import { createRequire } from 'node:module';"
    echo "const require = createRequire(import.meta.url);"
    echo "$cases_loader"
    cat "$here/npm/api.test.js"
    echo "import * as q from 'qinghejian';"
    echo "suite(q);"
} >import.test.mjs
check "the cases pass through require()" node --test require.test.cjs
check "the cases pass through import" node --test import.test.mjs
# The types, as TypeScript reads them for a CommonJS and an ES module file
# under Node's own resolution: a wrong name or type fails to compile.
cat >types.cts <<'EOF'
import q = require('qinghejian');
const capitals: string = q.toCapitals('1409.50', { form: 'rmb' });
const figures: string = q.fromCapitals(capitals);
const verdict: string = q.checkPair(figures, capitals);
const date: string = q.chequeDate(new Date(2026, 9, 20));
q.ready.then(() => [verdict, date]);
// @ts-expect-error: CommonJS has no default export; its types must say so.
q.default;
EOF
cat >types.mts <<'EOF'
import { toCapitals, checkPair, ready } from 'qinghejian';
import q from 'qinghejian';
const capitals: string = toCapitals(1409n, { form: 'window' });
await ready;
const verdict: string = checkPair('1', q.toCapitals('1'));
export { capitals, verdict };
EOF
check "TypeScript reads the types for require() and import" tsc --noEmit --strict --target es2022 \
    --module node16 --moduleResolution node16 types.cts types.mts
check "the functions are there at once after require()" node -e "
    const q = require('qinghejian');
    if (q.toCapitals('1') !== '壹元整') process.exit(1);"
finish
