# Sourced by scripts/install-deps.sh and the Wine tests: can this kernel
# execute 32-bit x86 programs? Some kernels are built without that, and on
# them 32-bit Wine cannot start.
#
#   qhj_i386_runs [DIR]  succeeds when it can; the probe is written to DIR
#                     (default TMPDIR), which must allow programs to run.
#                     QHJ_I386=yes|no stands in for the answer, so the other
#                     path can be tried on any machine.
#   qhj_i386_reason   the words a skip prints when it cannot
#
# The probe runs a program of its own rather than one from a package, so it
# answers before any i386 package is installed: a 96-byte static i386 ELF
# that only calls exit(32) through int 0x80.

qhj_i386_reason() {
    echo "the kernel cannot run 32-bit programs"
}

qhj_i386_runs() {
    case ${QHJ_I386:-} in
    yes) return 0 ;;
    no) return 1 ;;
    esac
    local probe status
    probe=$(mktemp "${1:-${TMPDIR:-/tmp}}/qhj-i386-probe.XXXXXX") || return 1
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\50\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\273\40\0\0\0\315\200' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" -eq 32 ]
}
