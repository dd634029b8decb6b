# Sourced by the Wine test scripts that run Windows programs: a private
# display, the shared prefix, no Wine process left from before or after.
#
#   qhj_session_start   display up, wineserver ended, environment set
#   qhj_session_stop    every Wine process and the display ended (on EXIT)

QHJ_SUPPORT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=/dev/null
source "$QHJ_SOURCE_DIR/tests/e2e/support/display.sh"
# shellcheck source=/dev/null
source "$QHJ_SUPPORT_DIR/wine.sh"

qhj_session_start() {
    qhj_wine_env "$QHJ_WINE_PREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "no Wine prefix at $WINEPREFIX: run the wine_prefix test first" >&2
        exit 1
    fi
    start_private_display 1280x800x24
    qhj_wine_kill
    trap qhj_session_stop EXIT
}

qhj_session_stop() {
    qhj_wine_kill
    stop_private_display
}
