#!/usr/bin/env bash
# qinghejian.exe under Wine, driven from outside as a user would: typing
# amounts, generating, answering notices found by their titles, copying and
# reading the X clipboard, the tab order, Enter, the help menu and quitting.
set -uo pipefail
source "$QHJ_SOURCE_DIR/tests/wine/support/session.sh"
source "$QHJ_SOURCE_DIR/tests/wine/support/drive.sh"
source "$QHJ_SOURCE_DIR/tests/wine/support/checks.sh"
qhj_session_start

START=$SECONDS
if ! qhj_start_program; then
    fail "Form1 opens"
    finish
    exit 1
fi
pass "Form1 opens (window $QHJ_WINDOW, ${QHJ_WIN_W}x${QHJ_WIN_H} at $QHJ_WIN_X,$QHJ_WIN_Y)"
check_eq "caption" "$(xdotool getwindowname "$QHJ_WINDOW")" "青禾笺                          BY:墨桐青岚"
# Centred on the 1280 x 800 screen (Wine's work area is the whole screen here).
check "centred" test $((2 * QHJ_WIN_X + QHJ_WIN_W - 1280)) -ge -1 -a $((2 * QHJ_WIN_X + QHJ_WIN_W - 1280)) -le 1 \
    -a $((2 * QHJ_WIN_Y + QHJ_WIN_H - 800)) -ge -1 -a $((2 * QHJ_WIN_Y + QHJ_WIN_H - 800)) -le 1
qhj_screenshot "$QHJ_SCREENSHOTS/qinghejian-start.png"

# The focus starts on Command2: Space copies the empty result box, so the
# clipboard is cleared and holds only the empty text.
qhj_put_clipboard "sentinel"
check_eq "the X clipboard holds the sentinel" "$(qhj_clipboard)" "sentinel"
xdotool key space
check "Space at the start presses 复制: the clipboard holds the empty text" qhj_wait_clipboard ""
check "the empty text is really on the clipboard (xclip reads it)" timeout 5 xclip -o -selection clipboard -t UTF8_STRING

# Tab order Command2, Text2, Text1, Command1, and the wrap. Tab into a text
# box selects its text, so typing replaces it.
xdotool key Tab; xdotool type abc              # Text2
xdotool key Tab Tab Tab space                  # Text1, Command1, Command2: copy
check "Tab from Command2 reaches Text2, three more come back to Command2" qhj_wait_clipboard "abc"
xdotool key Tab Tab; xdotool type 5            # Text2, Text1
xdotool key Tab space                          # Command1: generate
xdotool key Tab space                          # Command2: copy
check "then Text1, Command1 and Command2: 5 becomes 伍圆整" qhj_wait_clipboard "伍圆整"

# Enter (and Esc) in a text box press nothing, even after the buttons had
# the focus: 12a would give the failure notice if converted.
qhj_set_text1 "12a"
xdotool key Return KP_Enter Escape
check "Enter in Text1 shows no notice" qhj_no_box_within 1
qhj_click Text2
xdotool key Return
check "Enter in Text2 shows no notice" qhj_no_box_within 1
# Nor on a button that Tab brought the focus to: Command1 would convert
# 12a, Command2 copy.
qhj_put_clipboard "sentinel"
qhj_click Text1
xdotool key Tab Return
check "Enter on Command1 shows no notice" qhj_no_box_within 1
xdotool key Tab Return
sleep 0.5
check_eq "Enter on Command2 copies nothing" "$(qhj_clipboard)" "sentinel"
qhj_click Command2
check "and converted nothing: Text2 still holds 伍圆整" qhj_wait_clipboard "伍圆整"

# Generate and copy with the mouse.
qhj_set_text1 "123456.78"
qhj_click Command1
check "123456.78 gives no notice" qhj_no_box_within 1
qhj_click Command2
check "123456.78 → 壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整 on the clipboard, as UTF-8" \
    qhj_wait_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
qhj_screenshot "$QHJ_SCREENSHOTS/qinghejian-result.png"

qhj_set_text1 "0.5"
qhj_click Command1
qhj_click Command2
check "0.5 → 零圆伍角整" qhj_wait_clipboard "零圆伍角整"

# Notices, answered by their titles.
qhj_set_text1 "12a"
qhj_click Command1
sleep 0.5
qhj_screenshot "$QHJ_SCREENSHOTS/qinghejian-failure-notice.png" "700x400+290+200"
check "12a: the failure notice, titled 错误" qhj_answer_box "错误"
qhj_click Command2
check "12a empties Text2 that held a result" qhj_wait_clipboard ""

qhj_set_text1 "1.a23"
qhj_click Command1
check "1.a23: first the warning, titled 警告" qhj_answer_box "警告"
check "1.a23: then the failure notice, titled 错误" qhj_answer_box "错误"
check "1.a23: no third notice" qhj_no_box_within 1

qhj_set_text1 "1.234"
qhj_click Command1
check "1.234: the warning" qhj_answer_box "警告"
qhj_click Command2
check "1.234 → 壹圆贰角叁分整" qhj_wait_clipboard "壹圆贰角叁分整"

qhj_set_text1 "1.2.3"
qhj_click Command1
check "1.2.3: 数字输入出错, titled 青禾笺" qhj_answer_box "青禾笺"
check "1.2.3: no further notice" qhj_no_box_within 1

# Copy after editing Text2 by hand, with Chinese pasted in from X.
qhj_put_clipboard "手改 壹圆整"
qhj_click Text2
xdotool key Home shift+End ctrl+v
sleep 0.3
qhj_put_clipboard "other"
qhj_click Command2
check "Text2 edited by hand is copied as it stands" qhj_wait_clipboard "手改 壹圆整"

# The help menu, through the keyboard (F10, arrows) and the mouse.
qhj_menu 1
check "使用说明 shows the usage note, titled 青禾笺" qhj_answer_box "青禾笺"
note_size="${QHJ_BOX_WIDTH}x${QHJ_BOX_HEIGHT}"
xdotool mousemove "$((QHJ_OX + 15))" "$((QHJ_OY - 9))" click 1   # 帮助 on the menu bar
sleep 0.4
qhj_screenshot "$QHJ_SCREENSHOTS/qinghejian-menu.png" "$((QHJ_WIN_W))x$((QHJ_WIN_H + 60))+$QHJ_WIN_X+$QHJ_WIN_Y"
sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Return # 软件作者
check "软件作者 shows the author notice, titled 青禾笺" qhj_answer_box "青禾笺"
# Both carry the application title; the note's lines are the longer ones.
check "the usage note ($note_size) is wider than the author notice (${QHJ_BOX_WIDTH}x${QHJ_BOX_HEIGHT})" \
    test "${note_size%x*}" -gt "$QHJ_BOX_WIDTH"
check "the program runs on after the notices" kill -0 "$QHJ_PID"

# No length limit: past the EDIT control's default 30,000 characters.
# (Wine's EDIT control takes a good second over a line this long, so this
# comes last but for quitting.)
long=$(printf '%040000d' 0 | tr 0 7)
qhj_put_clipboard "$long"
qhj_click Text2
xdotool key Home shift+End ctrl+v
sleep 1
qhj_put_clipboard "other"
qhj_click Command2
check "40,000 characters pasted into Text2 are copied whole" qhj_wait_clipboard "$long"
qhj_click Text2
xdotool key Home shift+End BackSpace # back to a short line
sleep 1

# Quit through the menu, with the input unconverted.
qhj_set_text1 "987"
qhj_menu 3                                      # 退出软件
qhj_wait_exit 10
check_eq "退出软件 ends the program at once, exit code 0" "$?" 0
check "no window of it is left" test -z "$(xdotool search --onlyvisible --name "$QHJ_MAIN_TITLE" 2>/dev/null)"
check "the clipboard outlives the program" qhj_wait_clipboard "$long"

# Closing the window ends the program too.
if qhj_start_program; then
    xdotool key alt+F4
    qhj_wait_exit 10
    check_eq "closing the window ends the program" "$?" 0
else
    fail "Form1 opens a second time"
fi
echo "end-to-end run took $((SECONDS - START)) s"
finish
