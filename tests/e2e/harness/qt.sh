# The harness's Qt back end: the Linux program (QHJ_APP) on a private Xvfb
# display, with no window manager, so its X window is Form1's menu bar over
# the client area with no frame around them.

source "$QHJ_SOURCE_DIR/scripts/lib/display.sh"
source "$QHJ_SOURCE_DIR/tests/e2e/harness/x11.sh"

backend_session_start() {
    start_private_display "${SCREEN_W}x${SCREEN_H}x24"
}

backend_session_stop() {
    stop_private_display
}

backend_launch() {
    "$QHJ_APP" >"$PROGRAM_LOG" 2>&1 &
    PROGRAM_PID=$!
}

backend_client_origin() {
    CLIENT_X=$WINDOW_X
    CLIENT_Y=$((WINDOW_Y + WINDOW_H - FORM1_CLIENT_HEIGHT))
}

# What a window manager does for a new window: give it the keyboard, which
# makes Qt take it for the active window.
backend_activate() {
    xdotool windowfocus --sync "$PROGRAM_WINDOW"
}

# Opens the menu with the mouse on its title in the menu bar; the popup,
# titled with the menu's caption, takes the keyboard once it is open.
backend_choose_menu_item() {
    local n
    xdotool mousemove "$((CLIENT_X + 20))" "$(((WINDOW_Y + CLIENT_Y) / 2))" click 1
    [ -n "$(find_window "^${FORM1_MENU_CAPTION}\$" 10)" ] || { fail "the menu ${FORM1_MENU_CAPTION} opens"; return 1; }
    for ((n = 0; n < $1; n++)); do xdotool key Down; done
    xdotool key Return
}

backend_answer() {
    xdotool windowfocus --sync "$(find_window "^$1\$" 1)" key Return
}

# Another program takes the clipboard between the click on NAME and the
# copy it asks for (see tests/e2e/clipboard_taker.cpp), and holds it until
# backend_release_clipboard. A busy program can win that race and copy
# after all; then the clipboard is its own again and the click is tried anew.
backend_click_with_clipboard_held() {
    local left top width height attempt answer
    read -r left top width height <<<"${FORM1_RECT[$1]}"
    for attempt in 1 2 3; do
        coproc QHJ_TAKER { "$QHJ_CLIPBOARD_TAKER" "$((CLIENT_X + left + width / 2))" "$((CLIENT_Y + top + height / 2))"; }
        answer=""
        IFS= read -r -t 10 answer <&"${QHJ_TAKER[0]}"
        [ "$answer" = held ] && return 0
        wait "$QHJ_TAKER_PID" 2>/dev/null
        echo "# the program copied before the clipboard was taken (attempt $attempt)"
    done
    return 1
}

backend_release_clipboard() {
    exec {QHJ_TAKER[1]}>&-
    wait "$QHJ_TAKER_PID"
}

# What this back end cannot do, and why.
backend_can() {
    case $1 in
    close) echo "no window manager closes a window here; main_window_test closes it in-process" ;;
    clipboard-outlives-program) echo "Qt's clipboard goes with the program when no clipboard manager runs" ;;
    esac
    return 1
}
