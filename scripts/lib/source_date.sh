# Sourced by `make release` and the scripts that pack a release: the time
# the release is dated by, the same from any checkout of one commit.
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
