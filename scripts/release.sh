#!/usr/bin/env bash
# `make release`, once the .deb and both Windows builds are made: packs
# everything a release publishes, in build/release/:
#
#   qinghejian_<version>_amd64.deb        the Debian package
#   qinghejian-<version>-windows.zip      both Windows builds
#   qinghejian-<version>-x64.msi          the installer for 64-bit Windows
#   qinghejian-<version>-x86.msi          the installer for 32-bit Windows
#   qinghejian-<version>-web.zip          the page, to put on any static
#                                         server or open from its folder
#   qinghejian-<npm version>.tgz          the npm package
#   qinghejian-<npm version>-cp39-abi3-manylinux_2_17_<machine>.manylinux2014_<machine>.whl, x86_64 and aarch64
#   qinghejian-<npm version>.tar.gz       the Python package, and its sdist
#   qinghejian-<npm version>.jar, -sources.jar, -javadoc.jar, .pom
#                                         the Java library, for a Maven
#                                         repository as they are
#   qinghejian-sql-<npm version>.jar, .pom
#                                         the SQL functions for Hive, Spark
#                                         and Flink, over that library
#   qinghejian-<version>.tar.gz           the sources
#   SHA256SUMS                            the checksums of the others
#
# Two checkouts of the same commit, in any folders and at any time, make
# the same bytes: SOURCE_DATE_EPOCH is the last commit's time (in an
# unpacked source tarball, the time it was made with; make release sets it
# for the builds too), and what would otherwise differ from run to run is
# pinned down where it is made.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/source_date.sh
SOURCE_DATE_EPOCH=$(qhj_source_date_epoch .)
export SOURCE_DATE_EPOCH
mapfile -t sources < <(qhj_source_files)
# Files the build writes take this mode whatever the user's umask.
umask 022

release=build/release
rm -rf "$release"
mkdir -p "$release"

cp build-release/packages/qinghejian_*_amd64.deb "$release/"
scripts/package-windows.sh build-windows build-windows-x86 "$release" >/dev/null
for build in build-windows build-windows-x86; do
    scripts/package-msi.sh "$build" "$release" >/dev/null
done

source scripts/lib/build_info.sh
version=$(qhj_build_info build-release QHJ_VERSION)
name=qinghejian-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
printf '%s\0' "${sources[@]}" | grep -zv '^SOURCE_DATE_EPOCH$' | tar --null -T - -cf - | tar -xf - -C "$stage/$name"
echo "$SOURCE_DATE_EPOCH" >"$stage/$name/SOURCE_DATE_EPOCH"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u+rw,go+rX,go-w --format=gnu -C "$stage" -cf - "$name" | gzip -9n >"$release/$name.tar.gz"

mapfile -t site < <(cd build-web/site && find . -type f -printf '%P\n' | LC_ALL=C sort)
python3 scripts/lib/dated_zip.py build-web/site "$release/$name-web.zip" "$name-web" \
    "$(qhj_build_info build-web QHJ_RELEASE_DATE)" "${site[@]}"
cp "build-web/qinghejian-$(qhj_build_info build-web QHJ_NPM_VERSION).tgz" "$release/"
cp build-python/dist/qinghejian-*.whl build-python/dist/qinghejian-*.tar.gz "$release/"
cp build-java/java/qinghejian-*.jar build-java/java/qinghejian-*.pom build-java/sql/qinghejian-sql-*.jar "$release/"

(cd "$release" && sha256sum -- *.deb *.zip *.msi *.tgz *.whl *.tar.gz *.jar *.pom >SHA256SUMS)
ls -l "$release"
cat "$release/SHA256SUMS"
