#!/usr/bin/env bash
# The .deb as Debian's checks judge it: built with CPack from this build,
# then lintian on the package, and desktop-file-validate, appstreamcli and
# mandoc on the files it installs. Any error or warning fails, and so does
# a missing tool; lintian's infos are printed.
#
#   package_test.sh BUILD_DIR APP_ID
set -uo pipefail
build=$1
app_id=$2
source "$(dirname "$0")/../../../scripts/lib/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in cpack lintian desktop-file-validate appstreamcli mandoc dpkg-deb; do
    command -v "$tool" >/dev/null || give_up "$tool is installed"
done

(cd "$build" && cpack --config CPackConfig.cmake) >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; give_up "CPack builds the .deb"; }
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$work/cpack.log")
[ -f "$deb" ] || { cat "$work/cpack.log"; give_up "CPack builds the .deb"; }
pass "CPack builds $deb"

# lintian as root says so on standard error; that is no finding.
lintian --pedantic --display-experimental -I "$deb" 2>&1 | grep -v '^running with root privileges' >"$work/lintian"
cat "$work/lintian"
check "lintian: no error and no warning" test -z "$(grep -E '^[EW]:' "$work/lintian")"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
check "desktop-file-validate: the desktop entry is clean" \
    test -z "$(desktop-file-validate "$share/applications/$app_id.desktop" 2>&1)"
appstream=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml" 2>&1)
echo "$appstream"
check "appstreamcli: the metainfo validates with no warning" \
    test -z "$(grep -E '^(E|W):|✘' <<<"$appstream")"
for page in qinghejian qinghejian-convert; do
    gz=$share/man/man1/$page.1.gz
    check "the manual page of $page is installed" test -f "$gz"
    zcat "$gz" >"$work/$page.1"
    check "mandoc -Tlint: $page.1 is clean" test -z "$(mandoc -Tlint -W all "$work/$page.1" 2>&1)"
done

control=$(dpkg-deb -f "$deb")
check "the package has the build's version, $(dpkg-deb -f "$deb" Version)" \
    grep -qx "Version: $(sed -n 's/^set(QHJ_VERSION "\(.*\)")$/\1/p' "$build/build-info.cmake")" <<<"$control"
check "a Song face, the lighter one first" grep -q '^Depends: fonts-arphic-uming | fonts-noto-cjk' <<<"$control"
check "Wayland's platform plugin recommended" grep -qx 'Recommends: qt6-wayland' <<<"$control"
check "the copyright file is DEP-5, MIT (Expat)" \
    grep -q '^License: Expat' "$share/doc/qinghejian/copyright"
for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    check "a $size px icon in hicolor" grep -q "$size x $size" <<<"$(file -b "$icon" 2>&1)"
done
check "the scalable icon in hicolor" test -f "$share/icons/hicolor/scalable/apps/$app_id.svg"
completion=$share/bash-completion/completions/qinghejian-convert
check "qinghejian-convert's bash completion is installed" test -f "$completion"
check "the bash completion offers --check" \
    bash -c 'source /usr/share/bash-completion/bash_completion 2>/dev/null; source "$1" && COMP_WORDS=(qinghejian-convert --ch) COMP_CWORD=1 COMP_LINE="qinghejian-convert --ch" COMP_POINT=23 && _qinghejian_convert && [ "${COMPREPLY[*]}" = --check ]' _ "$completion"
check "the desktop entry names the icon" grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop"
metainfo=$share/metainfo/$app_id.metainfo.xml
for word in 大写 金额 人民币 支票 发票 cheque; do
    check "AppStream and the desktop entry find it by $word" \
        bash -c 'grep -q "<keyword[^>]*>$1</keyword>" "$2" && grep -q "^Keywords=.*$1;" "$3"' _ \
        "$word" "$metainfo" "$share/applications/$app_id.desktop"
done
# The release history, written once in docs/releases.txt, in both.
version=$(dpkg-deb -f "$deb" Version)
check "the changelog's first entry is this version" \
    bash -c 'zcat "$1" | head -n 1 | grep -q "^qinghejian ($2) "' _ "$share/doc/qinghejian/changelog.gz" "$version"
check "AppStream's first release is this version, described" \
    bash -c 'grep -A2 "<release " "$1" | head -n 3 | grep -q "<description>" && grep -m1 "<release " "$1" | grep -q "version=\"$2\""' _ "$metainfo" "$version"
for binary in qinghejian qinghejian-convert; do
    check "AppStream provides $binary" grep -q "<binary>$binary</binary>" "$metainfo"
done
finish
