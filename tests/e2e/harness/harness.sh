# The end-to-end harness: one set of verbs that drives Form1 from outside,
# on a private X display, whichever program shows it. run_scenario.sh
# sources this file, the back end QHJ_E2E_BACKEND names (qt.sh, wine.sh or
# web.sh) and a scenario, which is written once for every program. A back
# end may stand in for any verb: the web one, whose page is not an X
# window, stands in for most.
#
# From the build: QHJ_FORM1_LAYOUT (form1.sh, Form1's caption, control
# rectangles, tab order and menu, written from Form1 itself), and
# QHJ_SCREENSHOTS, where screenshots go.
#
#   start_program          starts the program and waits for Form1; sets
#                          PROGRAM_PID, PROGRAM_WINDOW, WINDOW_X/Y/W/H and
#                          the client area's origin CLIENT_X/CLIENT_Y
#   set_text1 TEXT         replaces what Text1 holds by typing TEXT
#   click NAME             clicks the middle of the control NAME
#   choose_menu ITEM       picks the menu item ITEM: note, copyr or exit
#   answer_notice TITLE    waits for the notice titled TITLE and presses
#                          Enter on it; false when none came; leaves its
#                          size in NOTICE_W and NOTICE_H
#   clipboard              prints the X clipboard as UTF-8
#   clipboard_readable     whether the clipboard holds text, even none
#   window_caption         prints Form1's caption as the window shows it
#   no_window_left         true when no window of the program is left
#   screenshot NAME [GEOMETRY]
#                          saves the window, and what covers it, as NAME.png
# and for the checks:
#   expect_clipboard TEXT  true once the clipboard holds TEXT (5 s at most)
#   no_notice_within SECS  true when no notice opens meanwhile
#   put_clipboard TEXT     another program puts TEXT on the clipboard
#   press KEY...           key presses, one at a time
#   type_text TEXT         types TEXT where the focus is
#   wait_exit SECS         waits for the program to end; its exit status
#   program_running        whether it still runs
#   window_is_centred      whether Form1 sits in the middle of the screen
#   backend_click_with_clipboard_held NAME
#                          clicks NAME while another program holds the
#                          clipboard, until backend_release_clipboard
# What only some programs can do is asked of the back end with
# `backend_can WHAT` (close, clipboard-outlives-program).

source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_FORM1_LAYOUT"

SCREEN_W=1280
SCREEN_H=800
PROGRAM_PID=""
PROGRAM_WINDOW=""
PROGRAM_LOG=""
QHJ_WORK=""
LAST_CLICK=""
SCREENSHOTS=${QHJ_SCREENSHOTS:-/tmp}
NOTICE_TITLES="^($(IFS='|'; echo "${NOTICE_TITLES[*]}"))\$"

session_start() {
    QHJ_WORK=$(mktemp -d)
    export XDG_RUNTIME_DIR=$QHJ_WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    mkdir -p "$SCREENSHOTS"
    trap session_stop EXIT
    backend_session_start || give_up "the private display starts"
}

session_stop() {
    stop_program
    backend_session_stop
    [ -n "$QHJ_WORK" ] && rm -rf "$QHJ_WORK"
    QHJ_WORK=""
}

stop_program() {
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null || true
        wait "$PROGRAM_PID" 2>/dev/null || true
    fi
    PROGRAM_PID=""
}

program_running() {
    [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null
}

# Waits for a visible window whose title matches the pattern $1, for $2
# seconds; prints its id.
find_window() {
    timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

start_program() {
    local attempt X Y WIDTH HEIGHT SCREEN WINDOW
    for attempt in 1 2; do
        PROGRAM_LOG=$QHJ_WORK/program-$attempt.log
        backend_launch
        PROGRAM_WINDOW=$(find_window "^${FORM1_CAPTION}\$" 30)
        if [ -n "$PROGRAM_WINDOW" ] && program_running; then
            eval "$(xdotool getwindowgeometry --shell "$PROGRAM_WINDOW")"
            WINDOW_X=$X WINDOW_Y=$Y WINDOW_W=$WIDTH WINDOW_H=$HEIGHT
            backend_client_origin
            backend_activate
            sleep 0.3 # let the first paint and the focus settle
            return 0
        fi
        stop_program
        # Now and then a program fails to reach a display that has only
        # just come up; one more try.
        grep -qi "could not connect to display\|cannot open display" "$PROGRAM_LOG" || break
    done
    sed 's/^/  program: /' "$PROGRAM_LOG" >&2
    return 1
}

window_is_centred() {
    local dx=$((2 * WINDOW_X + WINDOW_W - SCREEN_W)) dy=$((2 * WINDOW_Y + WINDOW_H - SCREEN_H))
    [ "$dx" -ge -1 ] && [ "$dx" -le 1 ] && [ "$dy" -ge -1 ] && [ "$dy" -le 1 ]
}

click() {
    local left top width height
    read -r left top width height <<<"${FORM1_RECT[$1]}"
    # Two clicks on one spot within half a second would be a double-click.
    [ "$LAST_CLICK" = "$1" ] && sleep 0.6
    LAST_CLICK=$1
    xdotool mousemove "$((CLIENT_X + left + width / 2))" "$((CLIENT_Y + top + height / 2))" click 1
    sleep 0.2
}

press() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.1
    done
}

type_text() {
    xdotool type --delay 15 -- "$1"
}

set_text1() {
    click Text1
    press Home shift+End BackSpace
    [ -z "$1" ] || type_text "$1"
}

choose_menu() {
    local n
    for n in "${!FORM1_MENU_ITEMS[@]}"; do
        if [ "${FORM1_MENU_ITEMS[$n]}" = "$1" ]; then
            backend_choose_menu_item $((n + 1))
            return
        fi
    done
    fail "no menu item $1"
}

answer_notice() {
    local title=$1 box tries X Y WIDTH HEIGHT SCREEN WINDOW
    box=$(find_window "^${title}\$" 10)
    if [ -z "$box" ]; then
        screenshot "failure-$(basename "$QHJ_SCENARIO" .sh)-$QHJ_FAILED" root >/dev/null
        return 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$box")"
    NOTICE_W=$WIDTH NOTICE_H=$HEIGHT
    backend_answer "$box"
    for tries in $(seq 1 50); do
        [ -z "$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

# Whether any notice is showing.
notice_showing() {
    [ -n "$(xdotool search --onlyvisible --name "$NOTICE_TITLES" 2>/dev/null)" ]
}

no_notice_within() {
    local until=$((SECONDS + $1))
    while [ $SECONDS -lt $until ]; do
        notice_showing && return 1
        sleep 0.2
    done
    ! notice_showing
}

clipboard() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}

clipboard_readable() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING >/dev/null
}

window_caption() {
    xdotool getwindowname "$PROGRAM_WINDOW"
}

no_window_left() {
    test -z "$(xdotool search --onlyvisible --name "^${FORM1_CAPTION}\$" 2>/dev/null)"
}

expect_clipboard() {
    local tries
    for tries in $(seq 1 25); do
        [ "$(clipboard)" == "$1" ] && return 0
        sleep 0.2
    done
    echo "  the clipboard holds [$(clipboard | head -c 200)]"
    return 1
}

# The xclip serving TEXT ends with the display, or when another program
# takes the clipboard. xclip takes the selection in the process it leaves
# behind, after it has returned, so the text is waited for.
put_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard
    expect_clipboard "$1" >/dev/null
}

wait_exit() {
    local tries status
    for tries in $(seq 1 $(($1 * 10))); do
        if ! program_running; then
            status=0
            wait "$PROGRAM_PID" || status=$?
            PROGRAM_PID=""
            return "$status"
        fi
        sleep 0.1
    done
    return 124
}

screenshot() {
    local file=$SCREENSHOTS/$QHJ_E2E_BACKEND-$1.png
    local geometry=${2:-${WINDOW_W}x${WINDOW_H}+${WINDOW_X}+${WINDOW_Y}}
    if [ "$geometry" = root ]; then
        import-im6.q16 -window root "$file" 2>/dev/null
    else
        import-im6.q16 -window root -crop "$geometry" +repage "$file" 2>/dev/null
    fi
    echo "screenshot: $file"
}
