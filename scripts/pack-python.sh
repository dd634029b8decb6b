#!/usr/bin/env bash
# `make python`'s last step: the Python package qinghejian, as an sdist and
# one wheel for CPython 3.9 and later, in BUILD/dist/, made with Debian's
# Python tooling (python3 -m build, without a network). The sdist holds
# the C++ sources and CMakeLists as this checkout has them, with the
# pyproject.toml the build wrote; the wheel is built from the sdist, so a
# wheel here means that the sdist builds.
#
#   pack-python.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
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
/usr/bin/python3 -m build --no-isolation --outdir "$build/dist" "$stage" >"$build/pack.log" 2>&1 || {
    cat "$build/pack.log" >&2
    exit 1
}
sdist=$(echo "$build"/dist/*.tar.gz)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
tar -xzf "$sdist" -C "$unpacked"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner --mode=u+rw,go+rX,go-w \
    --format=gnu -C "$unpacked" -cf - "$(basename "$sdist" .tar.gz)" | gzip -9n >"$sdist"
ls "$build"/dist/*
