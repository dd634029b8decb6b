# Form1 opens as described; the start input and typed amounts are
# generated and copied with the mouse, and another program reads the
# result from the system clipboard as UTF-8.
start_program || give_up "Form1 opens"
pass "Form1 opens (window $PROGRAM_WINDOW, ${WINDOW_W}x${WINDOW_H} at $WINDOW_X,$WINDOW_Y)"
check_eq "the caption" "$(window_caption)" "$FORM1_CAPTION"
check "the window holds the client area" test "$WINDOW_W" -ge "$FORM1_CLIENT_WIDTH" -a "$WINDOW_H" -gt "$FORM1_CLIENT_HEIGHT"
check "a menu bar above the client area" test $((CLIENT_Y - WINDOW_Y)) -gt 10
check "centred on the screen" window_is_centred
screenshot start

click Command1
check "the start input gives no notice" no_notice_within 1
click Command2
check "the start input 123456.78 → 壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整 on the clipboard" \
    expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
screenshot generated

while read -r amount capitals; do
    set_text1 "$amount"
    click Command1
    click Command2
    check "$amount → $capitals" expect_clipboard "$capitals"
done <<'AMOUNTS'
1.05 壹圆零角伍分整
0.5 零圆伍角整
999999999999 玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整
AMOUNTS
