# The harness's Wine back end: qinghejian.exe (QHJ_WINDOWS_BIN) under Wine in
# the prefix QHJ_WINE_PREFIX, which the wine_prefix fixture made, on a
# private Xvfb display. Wine draws the window's frame itself.

source "$QHJ_SOURCE_DIR/scripts/lib/display.sh"
source "$QHJ_SOURCE_DIR/scripts/lib/wine.sh"
source "$QHJ_SOURCE_DIR/tests/e2e/harness/x11.sh"

QHJ_HOLDER_PID=""

# A skip, not a failure, for the 32-bit build where the i386_probe fixture
# found a reason it cannot run.
qhj_skip_without_i386() {
    [ "${QHJ_WINDOWS_ARCH:-}" = x86 ] || return 0
    local reason
    reason=$(cat "${QHJ_I386_ANSWER:-/nonexistent}" 2>/dev/null || true)
    if [ -n "$reason" ]; then
        echo "SKIPPED: $reason"
        exit 77
    fi
}

backend_session_start() {
    qhj_skip_without_i386
    qhj_wine_env "$QHJ_WINE_PREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "no Wine prefix at $WINEPREFIX: run the wine_prefix test first" >&2
        return 1
    fi
    start_private_display "${SCREEN_W:-1280}x${SCREEN_H:-800}x24" || return 1
    qhj_wine_kill
    # One server for the whole run: a server that ends between two
    # programs can drop the next one's connection.
    wineserver -p
}

backend_session_stop() {
    [ -n "$QHJ_HOLDER_PID" ] && kill "$QHJ_HOLDER_PID" 2>/dev/null
    qhj_wine_kill
    stop_private_display
}

backend_launch() {
    qhj_wine "$QHJ_WINDOWS_BIN/qinghejian.exe" >"$PROGRAM_LOG" 2>&1 &
    PROGRAM_PID=$!
}

# The same border left, right and below; caption and menu bar above.
backend_client_origin() {
    local border=$(((WINDOW_W - FORM1_CLIENT_WIDTH) / 2))
    CLIENT_X=$((WINDOW_X + border))
    CLIENT_Y=$((WINDOW_Y + WINDOW_H - FORM1_CLIENT_HEIGHT - border))
}

# Wine gives its new window the keyboard itself.
backend_activate() {
    :
}

# F10 opens the menu bar on its release and Down opens the menu on its
# first item; one key at a time, each let through before the next.
backend_choose_menu_item() {
    local n
    xdotool key F10
    sleep 0.3
    xdotool key Down
    for ((n = 1; n < $1; n++)); do
        sleep 0.15
        xdotool key Down
    done
    sleep 0.15
    xdotool key Return
}

backend_answer() {
    sleep 0.2
    xdotool key Return
}

backend_can() {
    case $1 in
    close | clipboard-outlives-program) return 0 ;;
    esac
    return 1
}

backend_close_window() {
    xdotool key alt+F4
}

# Another Windows program opens the clipboard and keeps it open while
# NAME is clicked, and until backend_release_clipboard.
backend_click_with_clipboard_held() {
    (cd "$QHJ_WORK" && exec "$QHJ_WINE_LOADER" "$QHJ_WINDOWS_BIN/clipboard_holder.exe" ready release 60 >"$QHJ_WORK/holder.log" 2>&1) &
    QHJ_HOLDER_PID=$!
    local tries
    for tries in $(seq 1 100); do
        [ -e "$QHJ_WORK/ready" ] && break
        sleep 0.1
    done
    [ -e "$QHJ_WORK/ready" ] || return 1
    click "$1"
}

backend_release_clipboard() {
    touch "$QHJ_WORK/release"
    wait "$QHJ_HOLDER_PID"
    local status=$?
    QHJ_HOLDER_PID=""
    return "$status"
}
