#!/usr/bin/env bash
# `make check-release`: is the release reproducible, and are its checksums
# whole? Two fresh clones of this commit, in two folders, each make it
# (make release), one after the other, the second in another time zone and
# with another umask; every file of build/release/ must be the same bytes in
# both, and SHA256SUMS must cover all the others.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/checks.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/qhj-check-release.XXXXXX")
trap 'rm -rf "$work"' EXIT

build() {
    local folder=$1
    shift
    git clone -q . "$folder" || return 1
    (cd "$folder" && "$@" make --no-print-directory release) >"$folder.log" 2>&1 || {
        sed 's/^/  | /' "$folder.log"
        return 1
    }
}
build "$work/first" env || give_up "the first clone makes the release"
pass "the first clone makes the release"
build "$work/second-elsewhere" env TZ=Pacific/Kiritimati sh -c 'umask 077 && exec "$0" "$@"' \
    || give_up "the second clone makes the release"
pass "the second clone, elsewhere, later, makes the release"

first=$work/first/build/release
second=$work/second-elsewhere/build/release
check_eq "both made the same files" "$(ls "$first")" "$(ls "$second")"
check_eq "SHA256SUMS holds every other file, and they match it" \
    "$(cd "$first" && sha256sum --quiet -c SHA256SUMS && cut -d' ' -f3 SHA256SUMS | LC_ALL=C sort)" \
    "$(ls "$first" | grep -vx SHA256SUMS | LC_ALL=C sort)"
for file in "$first"/*; do
    name=$(basename "$file")
    echo "$(stat -c %s "$file") bytes  $(sha256sum <"$file" | cut -d' ' -f1)  $name"
    check "$name is the same bytes in both" cmp "$file" "$second/$name"
done
finish
