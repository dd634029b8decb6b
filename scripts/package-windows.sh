#!/usr/bin/env bash
# `make package-windows`: the release archive of the Windows programs,
#
#   qinghejian-<version>-windows.zip
#     qinghejian-<version>-windows/   one folder, so that "extract here"
#                                     leaves one thing behind
#       x64/  qinghejian.exe, qinghejian-convert.exe   for 64-bit Windows
#       x86/  qinghejian.exe, qinghejian-convert.exe   for 32-bit Windows
#       LICENSE
#       使用说明.txt   which folder to use, and how, and the release
#                     history: UTF-8 with a BOM and CRLF, as Notepad on
#                     Windows 7 wants it
#
#   package-windows.sh X64_BUILD X86_BUILD OUT_DIR   prints the archive's path
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
x64=$1 x86=$2 out=$3
source "$here/scripts/lib/build_info.sh"
version=$(qhj_build_info "$x64" QHJ_VERSION)
release_date=$(qhj_build_info "$x64" QHJ_RELEASE_DATE)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for arch in x64 x86; do
    bin=$([ $arch = x64 ] && echo "$x64" || echo "$x86")/bin
    mkdir "$stage/$arch"
    cp "$bin/qinghejian.exe" "$bin/qinghejian-convert.exe" "$stage/$arch/"
done
sed 's/$/\r/' "$here/LICENSE" >"$stage/LICENSE"
# The release history ends the note, as the build wrote it from
# docs/releases.txt.
{
    printf '\xEF\xBB\xBF'
    {
        sed "s/@VERSION@/$version/" "$here/docs/windows_usage.txt.in"
        printf '\n版本历史\n'
        sed 's/^/  /' "$x64/release-notes.txt"
    } | sed 's/$/\r/'
} >"$stage/使用说明.txt"

mkdir -p "$out"
archive=$(realpath "$out")/qinghejian-$version-windows.zip
# Python's zipfile marks the Chinese name as UTF-8 (bit 11), which Windows
# and every archiver read; the times are the release day's, so the same
# build makes the same archive.
/usr/bin/python3 - "$stage" "$archive" "qinghejian-$version-windows" "$release_date" <<'PY'
import sys, zipfile
stage, archive, folder, date = sys.argv[1:]
stamp = tuple(int(part) for part in date.split("-")) + (0, 0, 0)
names = ["LICENSE", "使用说明.txt"] + [f"{arch}/{program}.exe" for arch in ("x64", "x86")
                                      for program in ("qinghejian", "qinghejian-convert")]
with zipfile.ZipFile(archive, "w") as out:
    for name in names:
        info = zipfile.ZipInfo(f"{folder}/{name}", stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(f"{stage}/{name}", "rb") as data:
            out.writestr(info, data.read())
PY
echo "$archive"
