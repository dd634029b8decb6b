#!/usr/bin/env bash
# scripts/install-deps.sh test against a fake apt and dpkg, on any machine:
# what every test needs fails the install with apt's message and status 2;
# 32-bit Wine, which only some tests need, may fail without stopping
# anything, leaves no i386 package or architecture behind, and is then
# skipped for the true reason.
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/i386.sh"
unset QHJ_I386 QHJ_I386_KERNEL
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export FAKE=$work/dpkg QHJ_DEPS_STATE=$work/state
mkdir -p "$work/bin"

# The fakes keep dpkg's state in FAKE: the foreign architectures, the i386
# packages installed, and every apt-get call. Every other package is
# installed unless FAKE_BARE is set. FAKE_FAIL=required|optional makes
# apt-get install fail as a mirror caught mid-sync does; the optional one
# leaves libc6:i386 unpacked behind it, as dpkg does when it stops halfway.
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/bin/bash
if [ $# -eq 2 ]; then
    sed 's/$/ installed/' "$FAKE/i386"
    exit 0
fi
if [[ $3 == *:i386 ]]; then grep -qx "$3" "$FAKE/i386"; else [ -z "${FAKE_BARE:-}" ]; fi && echo installed
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/bin/bash
case $1 in
--print-foreign-architectures) cat "$FAKE/arches" ;;
--add-architecture) echo "$2" >>"$FAKE/arches" ;;
--remove-architecture) sed -i "/^$2\$/d" "$FAKE/arches" ;;
*) exit 1 ;;
esac
FAKE
cat >"$work/bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE/calls"
case $1 in
install)
    if [[ "$*" == *:i386* ]]; then set optional "$@"; else set required "$@"; fi
    if [ "${FAKE_FAIL:-}" = "$1" ]; then
        [ "$1" = optional ] && echo libc6:i386 >>"$FAKE/i386"
        echo "E: Unable to correct problems, you have held broken packages." >&2
        exit 100
    fi
    printf '%s\n' "$@" | grep ':i386$' >>"$FAKE/i386"
    ;;
purge) shift 3; for p in "$@"; do sed -i "/^$p\$/d" "$FAKE/i386"; done ;;
esac
exit 0
FAKE
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin"/*

held="E: Unable to correct problems, you have held broken packages."
# case | environment | status | what it prints | the skip's reason afterwards
rows=(
    "the build's set fails|FAKE_BARE=1 FAKE_FAIL=required|2|Could not install what the build needs|"
    "32-bit Wine fails|FAKE_FAIL=optional|0|32-bit Wine could not be installed ($held); going on without it|32-bit Wine could not be installed: $held"
    "32-bit Wine installs|FAKE_FAIL=|0|Installing from Debian, for the 32-bit Wine tests: wine32:i386|"
    "QHJ_I386=no|QHJ_I386=no|0|Not installing wine32:i386: QHJ_I386=no asked to leave the 32-bit programs out|QHJ_I386=no asked to leave the 32-bit programs out"
    "the kernel|QHJ_I386_KERNEL=no|0|Not installing wine32:i386: the kernel cannot run 32-bit programs|the kernel cannot run 32-bit programs"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name environment want_status want_output want_reason <<<"$row"
    rm -rf "$FAKE" "$QHJ_DEPS_STATE"
    mkdir -p "$FAKE"
    touch "$FAKE/arches" "$FAKE/i386" "$FAKE/calls"
    # A failure kept from an earlier run is replaced or cleared.
    mkdir -p "$QHJ_DEPS_STATE" && echo "E: an earlier failure" >"$(qhj_i386_failure_file)"
    env PATH="$work/bin:$PATH" QHJ_I386_KERNEL=yes $environment \
        bash "$QHJ_SOURCE_DIR/scripts/install-deps.sh" test >"$work/out" 2>&1
    status=$?
    sed "s/^/  $name | /" "$work/out"
    check_eq "$name: status" "$status" "$want_status"
    check "$name: says so" grep -qF "$want_output" "$work/out"
    if [ "$want_status" = 2 ]; then
        check "$name: apt's message is shown" grep -qxF "$held" "$work/out"
        check_eq "$name: nothing more is tried" "$(grep -c i386 "$FAKE/calls")" 0
        continue
    fi
    check_eq "$name: the skip's reason" \
        "$(env PATH="$work/bin:$PATH" QHJ_I386_KERNEL=yes $environment bash -c \
            'source "$QHJ_SOURCE_DIR/scripts/lib/i386.sh"; qhj_i386_skip_reason')" "$want_reason"
    if [ -n "$want_reason" ]; then
        check_eq "$name: no i386 package is left" "$(cat "$FAKE/i386")" ""
        check_eq "$name: no i386 architecture is left" "$(cat "$FAKE/arches")" ""
    else
        check_eq "$name: wine32 is installed" "$(cat "$FAKE/i386")" wine32:i386
        check_eq "$name: the earlier failure is forgotten" "$(ls "$QHJ_DEPS_STATE")" ""
    fi
done

# The probe names its own failure rather than blaming the kernel.
check_eq "a probe that cannot be written" "$(qhj_i386_cannot "$work/missing")" \
    "the 32-bit probe could not be written to $work/missing"
finish
