# The harness's primitives on an X display, for the programs that show X
# windows (qt.sh, wine.sh): xdotool finds windows, clicks and types, xclip
# reads and writes the clipboard, ImageMagick takes screenshots. The back
# end adds backend_launch, backend_client_origin, backend_activate,
# backend_choose_menu_item and backend_answer.

# Waits for a visible window whose title matches the pattern $1, for $2
# seconds; prints its id.
find_window() {
    timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

backend_start() {
    local attempt X Y WIDTH HEIGHT SCREEN WINDOW
    for attempt in 1 2; do
        PROGRAM_LOG=$QHJ_WORK/program-$attempt.log
        backend_launch
        PROGRAM_WINDOW=$(find_window "^${FORM1_CAPTION}\$" 30)
        if [ -n "$PROGRAM_WINDOW" ] && backend_running; then
            eval "$(xdotool getwindowgeometry --shell "$PROGRAM_WINDOW")"
            WINDOW_X=$X WINDOW_Y=$Y WINDOW_W=$WIDTH WINDOW_H=$HEIGHT
            backend_client_origin
            backend_activate
            sleep 0.3 # let the first paint and the focus settle
            return 0
        fi
        backend_stop
        # Now and then a program fails to reach a display that has only
        # just come up; one more try.
        grep -qi "could not connect to display\|cannot open display" "$PROGRAM_LOG" || break
    done
    sed 's/^/  program: /' "$PROGRAM_LOG" >&2
    return 1
}

backend_stop() {
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null || true
        wait "$PROGRAM_PID" 2>/dev/null || true
    fi
    PROGRAM_PID=""
}

backend_running() {
    [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null
}

# The ended program's exit status.
backend_reap() {
    local status=0
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=""
    return "$status"
}

backend_click_at() {
    xdotool mousemove "$1" "$2" click 1
}

backend_key() {
    xdotool key "$1"
}

backend_type() {
    xdotool type --delay 15 -- "$1"
}

# The title of a notice showing, or nothing.
# Any window showing besides Form1 is a notice, whatever its title: a
# notice with a wrong title is still one, and no_notice_within must see it.
backend_notice_title() {
    local window
    for window in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        [ "$window" = "$PROGRAM_WINDOW" ] && continue
        xdotool getwindowname "$window"
        return
    done
}

backend_notice_size() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$(find_window "^$1\$" 1)")"
    NOTICE_W=$WIDTH NOTICE_H=$HEIGHT
}

backend_clipboard() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}

backend_clipboard_readable() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING >/dev/null
}

# The xclip serving TEXT ends with the display, or when another program
# takes the clipboard. xclip takes the selection in the process it leaves
# behind, after it has returned, so the harness waits for the text.
backend_put_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard
}

backend_window_caption() {
    xdotool getwindowname "$PROGRAM_WINDOW"
}

backend_no_window_left() {
    test -z "$(xdotool search --onlyvisible --name "^${FORM1_CAPTION}\$" 2>/dev/null)"
}

# backend_screenshot FILE GEOMETRY|root
backend_screenshot() {
    if [ "$2" = root ]; then
        import-im6.q16 -window root "$1" 2>/dev/null
    else
        import-im6.q16 -window root -crop "$2" +repage "$1" 2>/dev/null
    fi
}
