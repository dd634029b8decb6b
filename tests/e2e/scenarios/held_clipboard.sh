# 复制 while another program holds the clipboard: a notice titled 错误, the
# program runs on with Text2 unchanged, and copying works again once the
# clipboard is let go.
start_program || give_up "Form1 opens"
click Command1
click Command2
check "generate and copy work" expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"

check "复制 while another program holds the clipboard" backend_click_with_clipboard_held Command2
sleep 0.8
screenshot clipboard-busy "700x400+290+200"
check "a notice titled 错误" answer_notice "错误"
check "the program runs on" program_running

check "the other program lets the clipboard go" backend_release_clipboard
put_clipboard "other"
click Command2
check "Text2 is unchanged and copies once the clipboard is free" \
    expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
check "no further notice" no_notice_within 1
