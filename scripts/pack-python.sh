#!/usr/bin/env bash
# `make python`'s last step: the Python package qinghejian, as an sdist, a
# wheel for CPython 3.9 and later on each of x86-64 and ARM64 Linux with
# glibc 2.17 or later (manylinux2014), and a py3-none-any wheel with the
# core as WebAssembly (WASM) for every other platform, in BUILD/dist/, made with Debian's
# Python tooling (python3 -m build, without a network). The sdist holds
# the C++ sources and CMakeLists as this checkout has them, with the
# pyproject.toml the build wrote. The wheels' modules are built by zig's
# toolchain (cmake/toolchains/zig.cmake) and packed from the unpacked
# sdist, so a wheel here also means that the sdist packs.
#
#   pack-python.sh BUILD WASM
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
wasm=$(realpath "$2")
stage=$build/sdist-source
rm -rf "$stage" "$build/dist"
mkdir -p "$stage"
source scripts/lib/source_date.sh
qhj_source_files CMakeLists.txt LICENSE cmake docs src | tar --verbatim-files-from -T - -cf - | tar -xf - -C "$stage"
cp "$build/python/pyproject.toml" src/python/setup.py "$stage/"
printf 'graft cmake\ngraft docs\ngraft src\ninclude CMakeLists.txt LICENSE\n' >"$stage/MANIFEST.in"

# The same bytes from any checkout of a commit: the wheel takes its times
# from SOURCE_DATE_EPOCH and its modes from the files, which are set here;
# the sdist, whose tar and gzip headers Python dates with the clock, is
# packed again as the source tarball is.
export SOURCE_DATE_EPOCH=$(qhj_source_date_epoch .)
umask 022
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
quiet() {
    "$@" >"$build/pack.log" 2>&1 || {
        cat "$build/pack.log" >&2
        exit 1
    }
}
quiet /usr/bin/python3 -m build --sdist --no-isolation --skip-dependency-check --outdir "$build/dist" "$stage"
sdist=$(echo "$build"/dist/*.tar.gz)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
tar -xzf "$sdist" -C "$unpacked"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner --mode=u+rw,go+rX,go-w \
    --format=gnu -C "$unpacked" -cf - "$(basename "$sdist" .tar.gz)" | gzip -9n >"$sdist"
for arch in x86_64 aarch64; do
    zig=$build/zig-$arch
    quiet scripts/build-zig.sh "$zig" $arch qhj_python -DQHJ_PYTHON=ON -DPython3_EXECUTABLE=/usr/bin/python3
    rm -rf "$unpacked/$(basename "$sdist" .tar.gz)/build"
    QHJ_PREBUILT_CORE=$zig/python/_core.abi3.so quiet /usr/bin/python3 -m build --wheel --no-isolation --skip-dependency-check \
        --outdir "$build/dist" "$unpacked/$(basename "$sdist" .tar.gz)"
done
# Last, as it leaves the core in the unpacked sources.
QHJ_WASM_CORE=$wasm quiet /usr/bin/python3 -m build --wheel --no-isolation --skip-dependency-check --outdir "$build/dist" \
    "$unpacked/$(basename "$sdist" .tar.gz)"
ls "$build"/dist/*
