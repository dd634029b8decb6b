# The notices, found by their titles and answered with Enter, in the order
# the conversion shows them; the help menu's notices; and the window going
# on working after each.
start_program || give_up "Form1 opens"

set_text1 "5"
click Command1
click Command2
check "5 → 伍圆整" expect_clipboard "伍圆整"
set_text1 "12a"
click Command1
sleep 0.5
screenshot failure-notice root
check "12a: the failure notice, titled 错误" answer_notice "错误"
click Command2
check "12a empties Text2 that held a result" expect_clipboard ""

set_text1 "1.a23"
click Command1
check "1.a23: first the warning, titled 警告" answer_notice "警告"
check "1.a23: then the failure notice, titled 错误" answer_notice "错误"
check "1.a23: no third notice" no_notice_within 1

set_text1 "1.234"
click Command1
check "1.234: the warning" answer_notice "警告"
click Command2
check "1.234 → 壹圆贰角叁分整" expect_clipboard "壹圆贰角叁分整"

set_text1 "1.2.3"
click Command1
check "1.2.3: 数字输入出错, titled 青禾笺" answer_notice "青禾笺"
check "1.2.3: no further notice" no_notice_within 1
click Command2
check "1.2.3 gives no result" expect_clipboard ""

choose_menu note
check "使用说明 shows the usage note, titled 青禾笺" answer_notice "青禾笺"
note_size="${NOTICE_W}x${NOTICE_H}"
choose_menu copyr
check "软件作者 shows the author notice, titled 青禾笺" answer_notice "青禾笺"
check "the usage note ($note_size) is wider than the author notice (${NOTICE_W}x${NOTICE_H})" \
    test "${note_size%x*}" -gt "$NOTICE_W"
check "the program runs on after the notices" program_running
set_text1 ".5"
click Command1
click Command2
check "and converts: .5 → 伍角整" expect_clipboard "伍角整"
