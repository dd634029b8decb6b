# Another program holds the clipboard while 复制 is pressed: a notice
# titled 错误, the program runs on with Text2 unchanged, and copying works
# again once the clipboard is let go.
backend_can hold-clipboard || give_up "another program can hold the clipboard here"
start_program || give_up "Form1 opens"
click Command1
click Command2
check "generate and copy work" expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"

check "another program holds the clipboard" backend_hold_clipboard
click Command2
sleep 0.8
screenshot clipboard-busy "700x400+290+200"
check "复制 with the clipboard held: a notice titled 错误" answer_notice "错误"
check "the program runs on" program_running

check "the other program lets the clipboard go" backend_release_clipboard
put_clipboard "other"
click Command2
check "Text2 is unchanged and copies once the clipboard is free" \
    expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
check "no further notice" no_notice_within 1
