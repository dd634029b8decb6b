# Sourced by the end-to-end tests: drives qinghejian.exe under Wine from
# outside, with xdotool on the X display and xclip on the X clipboard
# (Wine hands the Windows clipboard over to X).
#
#   qhj_start_program        starts it, waits for Form1, sets QHJ_PID,
#                            QHJ_WINDOW and the client origin QHJ_OX/QHJ_OY
#   qhj_click NAME           clicks a control of Form1 by its name
#   qhj_set_text1 TEXT       replaces what Text1 holds by typing
#   qhj_menu N               picks item N of the menu 帮助 with the keyboard
#   qhj_answer_box TITLE     waits for the message box TITLE, presses Enter,
#                            waits until it is gone; false if none came (and
#                            saves a screenshot of the moment); the box's
#                            size is left in QHJ_BOX_WIDTH and QHJ_BOX_HEIGHT
#   qhj_no_box_within SECS   true when no message box opens meanwhile
#   qhj_clipboard            prints the X clipboard as UTF-8
#   qhj_wait_clipboard TEXT  waits up to 5 s for the clipboard to hold TEXT
#   qhj_wait_exit SECS       waits for the program to end; its exit code
#   qhj_screenshot FILE      saves the window (and what covers it) as PNG

QHJ_MAIN_TITLE='BY:墨桐青岚'
# Message boxes carry one of these titles.
QHJ_BOX_TITLES='^(青禾笺|错误|警告)$'

# Centres of the controls in pixels at 96 dpi, relative to the client area:
# Form1's left + width / 2 and top + height / 2 in twips, divided by 15.
declare -A QHJ_CONTROL_X=([Command1]=400 [Text1]=208 [Text2]=232 [Command2]=420)
declare -A QHJ_CONTROL_Y=([Command1]=20 [Text1]=21 [Text2]=64 [Command2]=64)
QHJ_CLIENT_WIDTH=454  # 6810 twips
QHJ_CLIENT_HEIGHT=90  # 1350 twips

qhj_start_program() {
    wine "$QHJ_WINDOWS_BIN/qinghejian.exe" >/dev/null 2>&1 &
    QHJ_PID=$!
    QHJ_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name "$QHJ_MAIN_TITLE" | head -1)
    [ -n "$QHJ_WINDOW" ] || return 1
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$QHJ_WINDOW")"
    QHJ_WIN_X=$X QHJ_WIN_Y=$Y QHJ_WIN_W=$WIDTH QHJ_WIN_H=$HEIGHT
    # Wine draws the frame itself: the same border left, right and below.
    local border=$(((WIDTH - QHJ_CLIENT_WIDTH) / 2))
    QHJ_OX=$((X + border))
    QHJ_OY=$((Y + HEIGHT - QHJ_CLIENT_HEIGHT - border))
    sleep 0.3 # let the first paint and the focus settle
}

QHJ_LAST_CLICK=""
qhj_click() {
    local name=$1
    # Two clicks on one spot within half a second would be a double-click.
    if [ "$QHJ_LAST_CLICK" = "$name" ]; then sleep 0.6; fi
    QHJ_LAST_CLICK=$name
    xdotool mousemove "$((QHJ_OX + QHJ_CONTROL_X[$name]))" "$((QHJ_OY + QHJ_CONTROL_Y[$name]))" click 1
    sleep 0.2
}

qhj_set_text1() {
    qhj_click Text1
    xdotool key Home shift+End BackSpace
    [ -z "$1" ] || xdotool type --delay 15 -- "$1"
}

qhj_menu() {
    local n
    # F10 opens the menu bar on its release; Down opens 帮助 on its first
    # item. One key at a time, each let through before the next.
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

QHJ_FAILURE_SHOTS=0
qhj_failure_screenshot() {
    QHJ_FAILURE_SHOTS=$((QHJ_FAILURE_SHOTS + 1))
    local file=$QHJ_SCREENSHOTS/failure-$(basename "$0" .sh)-$QHJ_FAILURE_SHOTS.png
    import-im6.q16 -window root "$file" 2>/dev/null && echo "screenshot of the failure: $file"
}

qhj_find_box() {
    xdotool search --onlyvisible --name "$QHJ_BOX_TITLES" 2>/dev/null | head -1
}

qhj_answer_box() {
    local title=$1 box tries
    box=$(timeout 10 xdotool search --sync --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
    if [ -z "$box" ]; then
        qhj_failure_screenshot
        return 1
    fi
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$box")"
    QHJ_BOX_WIDTH=$WIDTH QHJ_BOX_HEIGHT=$HEIGHT
    sleep 0.2
    xdotool key Return
    for tries in $(seq 1 50); do
        [ -z "$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

qhj_no_box_within() {
    local until=$((SECONDS + $1))
    while [ $SECONDS -lt $until ]; do
        [ -z "$(qhj_find_box)" ] || return 1
        sleep 0.2
    done
    [ -z "$(qhj_find_box)" ]
}

qhj_clipboard() {
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}

qhj_wait_clipboard() {
    local tries
    for tries in $(seq 1 25); do
        [ "$(qhj_clipboard)" == "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

# Puts TEXT on the X clipboard; the xclip serving it ends with the display
# or when another program takes the clipboard.
qhj_put_clipboard() {
    printf '%s' "$1" | xclip -i -selection clipboard
}

qhj_wait_exit() {
    local tries
    for tries in $(seq 1 $(($1 * 10))); do
        if ! kill -0 "$QHJ_PID" 2>/dev/null; then
            wait "$QHJ_PID"
            return $?
        fi
        sleep 0.1
    done
    return 124
}

qhj_screenshot() {
    mkdir -p "$(dirname "$1")"
    import-im6.q16 -window root -crop "${2:-${QHJ_WIN_W}x${QHJ_WIN_H}+${QHJ_WIN_X}+${QHJ_WIN_Y}}" +repage "$1"
}
