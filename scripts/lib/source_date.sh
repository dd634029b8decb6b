# Sourced by `make release` and the scripts that pack a release: the time
# the release is dated by, the same from any checkout of one commit, and
# the files the sources are.
#
#   qhj_source_date_epoch ROOT   prints SOURCE_DATE_EPOCH when it is set,
#                                else the last commit's time, else, in an
#                                unpacked source tarball, the time in its
#                                SOURCE_DATE_EPOCH file; fails without any

qhj_source_date_epoch() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    elif [ -e "$1/.git" ] && command -v git >/dev/null; then
        git -C "$1" log -1 --format=%ct
    elif [ -f "$1/SOURCE_DATE_EPOCH" ]; then
        cat "$1/SOURCE_DATE_EPOCH"
    else
        echo "no git checkout and no SOURCE_DATE_EPOCH file: cannot date the release" >&2
        return 1
    fi
}

# qhj_source_files [PATH...]   prints, a line each, the files the sources
#                              are made of, in the current folder: git's
#                              own in a checkout, else every file but the
#                              builds'; under PATHs only, when given
qhj_source_files() {
    if [ -e .git ] && command -v git >/dev/null; then
        git ls-files -- "$@"
    else
        find "${@:-.}" -path './build*' -prune -o -type f -print | sed 's|^\./||' | LC_ALL=C sort
    fi
}
