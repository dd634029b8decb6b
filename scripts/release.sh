#!/usr/bin/env bash
# `make release`: everything a release publishes, in build/release/:
#
#   qinghejian_<version>_amd64.deb        the Debian package
#   qinghejian-<version>-windows.zip      both Windows builds
#   qinghejian-<version>-x64.msi          the installer for 64-bit Windows
#   qinghejian-<version>-x86.msi          the installer for 32-bit Windows
#   qinghejian-<version>.tar.gz           the sources
#   SHA256SUMS                            the checksums of the others
#
# Two checkouts of the same commit, in any folders and at any time, make
# the same bytes: SOURCE_DATE_EPOCH is the last commit's time (in an
# unpacked source tarball, the time it was made with), and what would
# otherwise differ from run to run is pinned down where it is made.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -d .git ] && command -v git >/dev/null; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    mapfile -t sources < <(git ls-files)
elif [ -f SOURCE_DATE_EPOCH ]; then
    SOURCE_DATE_EPOCH=$(cat SOURCE_DATE_EPOCH)
    mapfile -t sources < <(find . -path './build*' -prune -o -type f -print | sed 's|^\./||' | sort)
else
    echo "no git checkout and no SOURCE_DATE_EPOCH file: cannot date the release" >&2
    exit 1
fi
export SOURCE_DATE_EPOCH
# Files the build writes take this mode whatever the user's umask.
umask 022

release=build/release
rm -rf "$release"
mkdir -p "$release"

# The .deb and both Windows builds, as `make package` and `make
# build-windows` make them.
make --no-print-directory package build-windows
cp build/packages/qinghejian_*_amd64.deb "$release/"
scripts/package-windows.sh build-windows build-windows-x86 "$release" >/dev/null
for build in build-windows build-windows-x86; do
    scripts/package-msi.sh "$build" "$release" >/dev/null
done

source scripts/lib/build_info.sh
version=$(qhj_build_info build QHJ_VERSION)
name=qinghejian-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
printf '%s\0' "${sources[@]}" | grep -zv '^SOURCE_DATE_EPOCH$' | tar --null -T - -cf - | tar -xf - -C "$stage/$name"
echo "$SOURCE_DATE_EPOCH" >"$stage/$name/SOURCE_DATE_EPOCH"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u+rw,go+rX,go-w --format=gnu -C "$stage" -cf - "$name" | gzip -9n >"$release/$name.tar.gz"

(cd "$release" && sha256sum -- *.deb *.zip *.msi *.tar.gz >SHA256SUMS)
ls -l "$release"
cat "$release/SHA256SUMS"
