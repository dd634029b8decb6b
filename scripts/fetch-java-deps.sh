#!/usr/bin/env bash
# `make java`'s first step: what src/java/pom.xml names, from Maven Central,
# as jars in BUILD/deps: runtime/, what the library's WebAssembly core runs
# on (Chicory), which the jar is compiled against; and test/, that and what
# its tests run on.
#
#   fetch-java-deps.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/maven.sh
deps=$(realpath -m "$1/deps")
rm -rf "$deps"
for scope in runtime test; do
    qhj_mvn dependency:copy-dependencies -DincludeScope=$scope -DoutputDirectory="$deps/$scope"
done
