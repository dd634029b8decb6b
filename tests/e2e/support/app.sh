# Sourced by the end-to-end tests after display.sh: drives the real
# build/bin/qinghejian from outside, on the private display.
#
#   start_app              starts the program, waits for its window; sets
#                          APP_PID, APP_WINDOW and MENU_HEIGHT
#   wait_window TITLE      prints the id of the visible window titled TITLE
#   answer_box TITLE       presses Enter on the message box titled TITLE
#   click_control NAME     clicks the middle of a control of Form1
#   type_into_text1 TEXT   replaces the input box's text by typing TEXT
#   choose_menu_item N     opens the help menu, takes its N-th item (1-3)
#   expect_clipboard TEXT  the CLIPBOARD selection holds exactly TEXT
#   quit_app_by_menu       exit from the menu; the process must be gone
#   screenshot NAME        saves the window to build/screenshots/NAME.png
#
# Every wait is one `xdotool search --sync` under `timeout`, never a loop of
# new X clients, which made starts fail now and then.

APP=${QHJ_APP:-build/bin/qinghejian}
APP_PID=""
APP_WINDOW=""
APP_LOG=""
MENU_HEIGHT=""
SCREENSHOTS=${QHJ_SCREENSHOTS:-build/screenshots}
MAIN_TITLE='^青禾笺 +BY:墨桐青岚$'

fail() {
    echo "FAIL: $*" >&2
    [ -n "$APP_LOG" ] && [ -s "$APP_LOG" ] && sed 's/^/  app: /' "$APP_LOG" >&2
    exit 1
}

# Client-area geometry of the controls in logical pixels: left top width height.
control_rect() {
    case $1 in
        Command1) echo "360 8 81 25" ;;
        Text1) echo "80 8 257 26" ;;
        Text2) echo "80 52 305 25" ;;
        Command2) echo "400 48 41 33" ;;
        *) fail "no control $1" ;;
    esac
}

stop_app() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    APP_PID=""
}

# One try: 0 when the window showed, 2 when the program could not reach the
# display, 1 otherwise.
try_start_app() {
    APP_LOG=$(mktemp)
    "$APP" >"$APP_LOG" 2>&1 &
    APP_PID=$!
    local found
    found=$(mktemp)
    timeout 20 xdotool search --sync --onlyvisible --name "$MAIN_TITLE" >"$found" 2>/dev/null &
    local search=$!
    # Watch both without talking to the X server.
    while kill -0 "$search" 2>/dev/null; do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            kill "$search" 2>/dev/null || true
            break
        fi
        sleep 0.05
    done
    local rc=0
    wait "$search" || rc=$?
    APP_WINDOW=$(head -n 1 "$found")
    rm -f "$found"
    if [ "$rc" -eq 0 ] && [ -n "$APP_WINDOW" ] && kill -0 "$APP_PID" 2>/dev/null; then
        return 0
    fi
    stop_app
    grep -q "could not connect to display" "$APP_LOG" && return 2
    return 1
}

start_app() {
    local rc=0
    try_start_app || rc=$?
    if [ "$rc" -eq 2 ]; then
        echo "note: the program could not connect to the display; trying once more" >&2
        rc=0
        try_start_app || rc=$?
    fi
    [ "$rc" -eq 0 ] || fail "the window of $APP did not show"
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$APP_WINDOW")"
    [ "$WIDTH" -eq 454 ] || fail "window width $WIDTH, not 454"
    MENU_HEIGHT=$((HEIGHT - 90))
    [ "$MENU_HEIGHT" -gt 10 ] || fail "no menu bar above the 90-pixel client area"
}

wait_window() {
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
    [ -n "$id" ] || fail "no window titled $1"
    echo "$id"
}

answer_box() {
    local box
    box=$(wait_window "$1")
    xdotool windowfocus --sync "$box" key Return
}

click_control() {
    local left top width height
    read -r left top width height <<<"$(control_rect "$1")"
    xdotool mousemove --window "$APP_WINDOW" $((left + width / 2)) $((MENU_HEIGHT + top + height / 2)) click 1
}

type_into_text1() {
    click_control Text1
    xdotool key ctrl+a BackSpace
    [ -z "$1" ] || xdotool type --delay 10 -- "$1"
}

choose_menu_item() {
    xdotool mousemove --window "$APP_WINDOW" 20 $((MENU_HEIGHT / 2)) click 1
    # The popup, titled with the menu's caption, takes the keyboard once open.
    timeout 10 xdotool search --sync --onlyvisible --name '^帮助$' >/dev/null \
        || fail "the help menu did not open"
    local n
    for n in $(seq 1 "$1"); do xdotool key Down; done
    xdotool key Return
}

expect_clipboard() {
    local expected actual
    expected=$(mktemp)
    actual=$(mktemp)
    printf '%s' "$1" >"$expected"
    timeout 10 xclip -o -selection clipboard >"$actual" || fail "xclip could not read the clipboard"
    cmp -s "$expected" "$actual" || fail "clipboard holds '$(cat "$actual")', expected '$1'"
    rm -f "$expected" "$actual"
}

quit_app_by_menu() {
    choose_menu_item 3
    timeout 10 tail --pid="$APP_PID" -f /dev/null || fail "the program is still running after 退出软件"
    local rc=0
    wait "$APP_PID" || rc=$?
    [ "$rc" -eq 0 ] || fail "the program ended with status $rc"
    APP_PID=""
}

screenshot() {
    mkdir -p "$SCREENSHOTS"
    import -window "${2:-$APP_WINDOW}" "$SCREENSHOTS/$1.png"
    echo "screenshot: $SCREENSHOTS/$1.png"
}
