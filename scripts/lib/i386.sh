# Sourced by scripts/install-deps.sh and the Wine tests: can the 32-bit
# Windows programs run here? They need a kernel that executes 32-bit x86
# programs (some are built without that) and Debian's 32-bit Wine, which
# the archive cannot always supply.
#
#   qhj_i386_cannot [DIR]    why 32-bit programs cannot run here, or nothing
#                            when they can: the kernel, or a probe that
#                            could not be written to DIR (default TMPDIR) or
#                            run from it. QHJ_I386_KERNEL=yes|no stands in
#                            for the kernel's answer, so the other path can
#                            be tried on any machine.
#   qhj_i386_not_wanted [DIR]
#                            why 32-bit Wine is not even tried, or nothing:
#                            QHJ_I386=no, or the kernel
#   qhj_i386_skip_reason [DIR]
#                            why the 32-bit Wine tests cannot run, or
#                            nothing when they can: one of the two above, or
#                            the install that failed
#   qhj_i386_failure_file    where install-deps.sh keeps apt's reason when
#                            32-bit Wine could not be installed
#                            (QHJ_DEPS_STATE, default build-deps/)
#
# The probe runs a program of its own rather than one from a package, so it
# answers before any i386 package is installed: a 96-byte static i386 ELF
# that only calls exit(32) through int 0x80.

QHJ_I386_PACKAGES=(wine32:i386)

qhj_i386_failure_file() {
    echo "${QHJ_DEPS_STATE:-$(dirname "${BASH_SOURCE[0]}")/../../build-deps}/i386-install-failed"
}

qhj_i386_cannot() {
    local kernel="the kernel cannot run 32-bit programs"
    case ${QHJ_I386_KERNEL:-} in
    yes) return 0 ;;
    no) echo "$kernel" && return 0 ;;
    esac
    local dir=${1:-${TMPDIR:-/tmp}} probe status
    if ! probe=$(mktemp "$dir/qhj-i386-probe.XXXXXX" 2>/dev/null); then
        echo "the 32-bit probe could not be written to $dir"
        return 0
    fi
    # A folder mounted noexec refuses any program; only when a script of
    # its own runs there does the i386 probe's answer tell of the kernel.
    printf '#!/bin/sh\nexit 33\n' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    if [ "$status" -ne 33 ]; then
        rm -f "$probe"
        echo "the 32-bit probe could not run: $dir does not let programs run"
        return 0
    fi
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\50\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\273\40\0\0\0\315\200' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" -eq 32 ] || echo "$kernel"
}

qhj_i386_not_wanted() {
    if [ "${QHJ_I386:-}" = no ]; then
        echo "QHJ_I386=no asked to leave the 32-bit programs out"
    else
        qhj_i386_cannot "$@"
    fi
}

# Whether dpkg has the package PKG installed.
qhj_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

qhj_i386_missing() {
    local pkg
    for pkg in "${QHJ_I386_PACKAGES[@]}"; do
        qhj_installed "$pkg" || echo "$pkg"
    done
}

qhj_i386_skip_reason() {
    local reason missing
    reason=$(qhj_i386_not_wanted "$@")
    if [ -z "$reason" ]; then
        missing=$(qhj_i386_missing)
        [ -z "$missing" ] && return 0
        reason="32-bit Wine could not be installed: $(cat "$(qhj_i386_failure_file)" 2>/dev/null ||
            echo "${missing//$'\n'/ } is not installed; scripts/install-deps.sh test installs it")"
    fi
    echo "$reason"
}
