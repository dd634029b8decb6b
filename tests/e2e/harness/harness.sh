# The end-to-end harness: one set of verbs that drives Form1 from outside,
# on a private X display, whichever program shows it. run_scenario.sh
# sources this file, the back end QHJ_E2E_BACKEND names (qt.sh, wine.sh or
# web.sh) and a scenario, which is written once for every program. The
# verbs here wait and check the same way for every program; a back end
# gives the few primitives beneath them, the backend_* functions, which
# x11.sh gives for the programs that show X windows.
#
# From the build: QHJ_FORM1_LAYOUT (form1.sh, Form1's control rectangles,
# tab order and menu, written from Form1 itself), and QHJ_SCREENSHOTS,
# where screenshots go. Form1's texts are written out in form1_texts.sh.
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
# `backend_can WHAT` (close, clipboard-outlives-program), which says why
# when it cannot.
#
# The primitives every back end gives: backend_session_start/_stop,
# backend_start/_stop/_running/_reap (the program), backend_click_at X Y,
# backend_key KEY, backend_type TEXT, backend_choose_menu_item N,
# backend_notice_title (the showing notice's, or nothing),
# backend_notice_size TITLE, backend_answer TITLE, backend_clipboard,
# backend_clipboard_readable, backend_put_clipboard TEXT,
# backend_window_caption, backend_no_window_left and
# backend_screenshot FILE GEOMETRY.

source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_FORM1_LAYOUT"
source "$QHJ_SOURCE_DIR/tests/e2e/harness/form1_texts.sh"

SCREEN_W=1280
SCREEN_H=800
PROGRAM_PID=""
PROGRAM_WINDOW=""
PROGRAM_LOG=""
QHJ_WORK=""
LAST_CLICK=""
SCREENSHOTS=${QHJ_SCREENSHOTS:-/tmp}

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

# Verbs the back end answers as they are.
start_program() { backend_start; }
stop_program() { backend_stop; }
program_running() { backend_running; }
program_ended() { ! backend_running; }
type_text() { backend_type "$1"; }
clipboard() { backend_clipboard; }
clipboard_readable() { backend_clipboard_readable; }
window_caption() { backend_window_caption; }
no_window_left() { backend_no_window_left; }

# wait_until SECS COMMAND...: true once COMMAND is, trying every 0.1 s.
wait_until() {
    local tries
    for tries in $(seq 1 $(($1 * 10))); do
        "${@:2}" && return 0
        sleep 0.1
    done
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
    backend_click_at "$((CLIENT_X + left + width / 2))" "$((CLIENT_Y + top + height / 2))"
    sleep 0.2
}

press() {
    local key
    for key in "$@"; do
        backend_key "$key"
        sleep 0.1
    done
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

notice_titled() {
    [ "$(backend_notice_title)" = "$1" ]
}

notice_gone() {
    ! notice_titled "$1"
}

# Gone, or followed at once by the next notice, as one box is followed by
# the next.
answer_notice() {
    local title=$1
    if ! wait_until 10 notice_titled "$title"; then
        screenshot "failure-$(basename "$QHJ_SCENARIO" .sh)-$QHJ_FAILED" root >/dev/null
        return 1
    fi
    backend_notice_size "$title"
    backend_answer "$title"
    wait_until 5 notice_gone "$title"
}

# Whether any notice is showing.
notice_showing() {
    [ -n "$(backend_notice_title)" ]
}

no_notice_within() {
    local until=$((SECONDS + $1))
    while [ $SECONDS -lt $until ]; do
        notice_showing && return 1
        sleep 0.2
    done
    ! notice_showing
}

# A clipboard that cannot be read holds nothing to compare, not "".
clipboard_holds() {
    local text
    text=$(clipboard) || return 1
    [ "$text" == "$1" ]
}

expect_clipboard() {
    wait_until 5 clipboard_holds "$1" && return 0
    local text
    if text=$(clipboard); then
        echo "  the clipboard holds [${text:0:200}]"
    else
        echo "  the clipboard cannot be read"
    fi
    return 1
}

put_clipboard() {
    backend_put_clipboard "$1" && expect_clipboard "$1" >/dev/null
}

# The program's exit status once it has ended; 124 when it has not.
wait_exit() {
    wait_until "$1" program_ended || return 124
    backend_reap
}

screenshot() {
    local file=$SCREENSHOTS/$QHJ_E2E_BACKEND-$1.png
    backend_screenshot "$file" "${2:-${WINDOW_W}x${WINDOW_H}+${WINDOW_X}+${WINDOW_Y}}"
    echo "screenshot: $file"
}
