# Sourced by the package tests (tests/python, tests/java), after checks.sh:
# what a Linux library built for a package asks of the system it loads on.
#
#   newest_glibc FILE             the newest GLIBC symbol version FILE asks
#                                 for, as 2.36: the oldest glibc it runs on,
#                                 as auditwheel reads it
#   check_glibc_at_most FILE V    a check that FILE loads on glibc V
#   check_own_cxx_runtime FILE    a check that FILE needs no libstdc++ or
#                                 libgcc of the system's

newest_glibc() {
    objdump -T "$1" | grep -o 'GLIBC_[0-9]*\.[0-9]*' | sed 's/GLIBC_//' | sort -uV | tail -n 1
}

check_glibc_at_most() {
    local newest
    newest=$(newest_glibc "$1")
    check "$(basename "$(dirname "$1")")/$(basename "$1") asks for glibc $newest, at most $2" \
        test "$(printf '%s\n' "$newest" "$2" | sort -V | tail -n 1)" = "$2"
}

check_own_cxx_runtime() {
    check_eq "$(basename "$1") needs no C++ runtime of the system" \
        "$(objdump -p "$1" | awk '$1 == "NEEDED" { print $2 }' | grep -E 'libstdc|libgcc' || true)" ""
}
