# 退出软件 ends the program at once, with the input unconverted, and so
# does closing the window.
start_program || give_up "Form1 opens"
click Command1
click Command2
check "a result is on the clipboard" expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
set_text1 "987"
choose_menu exit
status=0
wait_exit 10 || status=$?
check_eq "退出软件 ends the program at once, exit status 0" "$status" 0
check "no window of it is left" no_window_left
if why=$(backend_can clipboard-outlives-program); then
    check "the clipboard outlives the program" expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
else
    skip "the clipboard outliving the program: $why"
fi

if ! why=$(backend_can close); then
    skip "closing the window: $why"
else
    start_program || give_up "Form1 opens a second time"
    backend_close_window
    status=0
    wait_exit 10 || status=$?
    check_eq "closing the window ends the program, exit status 0" "$status" 0
fi
