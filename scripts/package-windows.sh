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
/usr/bin/python3 "$here/scripts/lib/dated_zip.py" "$stage" "$archive" "qinghejian-$version-windows" "$release_date" \
    LICENSE 使用说明.txt {x64,x86}/{qinghejian,qinghejian-convert}.exe
echo "$archive"
