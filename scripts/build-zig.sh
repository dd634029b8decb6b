#!/usr/bin/env bash
# Builds one target of the project as a Linux native for ARCH (x86_64 or
# aarch64) that loads on glibc 2.17 and later, with zig's toolchain
# (cmake/toolchains/zig.cmake), in BUILD; the wheels and the jar carry such
# natives.
#
#   build-zig.sh BUILD ARCH TARGET [-DOPTION=VALUE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 arch=$2 target=$3
shift 3
cmake -S . -B "$build" -G Ninja --toolchain cmake/toolchains/zig.cmake -DQHJ_ZIG_ARCH="$arch" \
    -DCMAKE_BUILD_TYPE=Release -DQHJ_WARNINGS_AS_ERRORS=ON -DQHJ_BUILD_QT=OFF -DBUILD_TESTING=OFF "$@" >/dev/null
cmake --build "$build" --target "$target"
