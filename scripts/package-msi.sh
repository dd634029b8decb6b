#!/usr/bin/env bash
# The Windows installer of one build, made with Debian's wixl:
#
#   package-msi.sh BUILD OUT_DIR     prints the path of
#                                    OUT_DIR/qinghejian-<version>-<x64|x86>.msi
#
# It installs both programs and the licence in Program Files\Qinghejian, a
# Start-menu shortcut 青禾笺, and an Add/Remove Programs entry; a newer one
# replaces it. QHJ_MSI_VERSION stands in for the build's version, so that
# the tests can make an older installer of the same build.
#
# Two things of wixl's are set right here:
#   - The names. wixl leaves the database's code page neutral and writes
#     its strings in the ANSI code page of the language WINDOWS_LANGUAGE
#     names; Windows then reads them in its own. Both steps run with zh_CN,
#     which writes them in code page 936, and the database is then marked
#     936 (the _ForceCodepage table), so that every Windows reads 青禾笺.
#   - The same bytes from the same build. wixl stamps the time and a random
#     package code: the time is SOURCE_DATE_EPOCH, under faketime, and the
#     package code is derived from what goes in. The cabinet keeps the
#     files' times, so those are SOURCE_DATE_EPOCH as well.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1 out=$2

source "$here/scripts/lib/build_info.sh"
version=${QHJ_MSI_VERSION:-$(qhj_build_info "$build" QHJ_VERSION)}
publisher=$(qhj_build_info "$build" QHJ_PUBLISHER)
case $(qhj_build_info "$build" QHJ_BUILD_PROCESSOR) in
x86_64) arch=x64 platform=x64 win64=yes program_files=ProgramFiles64Folder upgrade_code=64E7DEE2-9014-4597-97C2-A630FEBC5112 ;;
*) arch=x86 platform=Intel win64=no program_files=ProgramFilesFolder upgrade_code=630EBF44-E567-4F84-A9BA-FC629BB95A9F ;;
esac
source "$here/scripts/lib/source_date.sh"
SOURCE_DATE_EPOCH=$(qhj_source_date_epoch "$here")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/bin/qinghejian.exe" "$build/bin/qinghejian-convert.exe" "$build/icon/qinghejian.ico" "$stage/"
sed 's/$/\r/' "$here/LICENSE" >"$stage/LICENSE.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

# The product code changes with each version, as an upgrade needs; the
# components' stay, as Windows Installer asks; the package code changes
# whenever anything in the package does.
uuid() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' "$upgrade_code" "$1"; }
# What the installed files take, in KiB, as Add/Remove Programs shows it.
size_kib=$(cd "$stage" && stat -c %s qinghejian.exe qinghejian-convert.exe LICENSE.txt | awk '{ n += $1 } END { print int((n + 1023) / 1024) }')
contents=$(cd "$stage" && cat "$here/src/app/win32/installer/qinghejian.wxs.in" ./* | sha256sum | cut -c1-64)
sed -e "s/@VERSION@/$version/g" -e "s/@PUBLISHER@/$publisher/g" -e "s/@PROGRAM_FILES@/$program_files/" -e "s/@WIN64@/$win64/g" \
    -e "s/@UPGRADE_CODE@/$upgrade_code/" -e "s/@PRODUCT_CODE@/$(uuid "product $version")/" \
    -e "s/@WINDOW_GUID@/$(uuid window)/" -e "s/@COMPANION_GUID@/$(uuid companion)/" \
    -e "s/@LICENCE_GUID@/$(uuid licence)/" -e "s/@SIZE_KIB@/$size_kib/" \
    "$here/src/app/win32/installer/qinghejian.wxs.in" >"$stage/qinghejian.wxs"
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"

mkdir -p "$out"
msi=$(realpath "$out")/qinghejian-$version-$arch.msi
rm -f "$msi"
# The clock stands still at that time: started there and left to run, it
# moved on by a second now and then on a busy machine, and so did the
# stamp.
release_time=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
at_release_time() { TZ=UTC LC_ALL=C.UTF-8 WINDOWS_LANGUAGE=zh_CN faketime -f "$release_time" "$@"; }
# wixl's notes on what it does not implement are no news.
(cd "$stage" && at_release_time wixl --arch "$arch" -o "$msi" qinghejian.wxs 2>&1 | { grep -v 'unimplemented' >&2 || true; })
[ -f "$msi" ] || { echo "wixl made no installer" >&2; exit 1; }
# Windows Installer writes the Add/Remove Programs entry in RegisterProduct;
# the entry's size and folder (qinghejian.wxs.in) are written after it, so
# that an installer that fills them itself (Wine's writes 0 and nothing)
# cannot leave them empty.
msiinfo export "$msi" InstallExecuteSequence | sed 's/^\(WriteRegistryValues\t[^\t]*\t\)5000\r$/\16150\r/' \
    >"$stage/InstallExecuteSequence.idt"
(cd "$stage" && at_release_time msibuild "$msi" -i _ForceCodepage.idt InstallExecuteSequence.idt)
at_release_time msibuild "$msi" -s "青禾笺 $version" "$publisher" "$platform;2052" "{$(uuid "package $contents")}"
echo "$msi"
