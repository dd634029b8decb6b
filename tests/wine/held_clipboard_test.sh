#!/usr/bin/env bash
# Another program holds the clipboard open while 复制 is pressed: a notice
# titled 错误, the program runs on with Text2 unchanged, and copying works
# again once the clipboard is let go.
set -uo pipefail
source "$QHJ_SOURCE_DIR/tests/wine/support/session.sh"
source "$QHJ_SOURCE_DIR/tests/wine/support/drive.sh"
source "$QHJ_SOURCE_DIR/tests/wine/support/checks.sh"
qhj_session_start
work=$(mktemp -d)
trap 'qhj_session_stop; rm -rf "$work"' EXIT

if ! qhj_start_program; then
    fail "Form1 opens"
    finish
    exit 1
fi
qhj_click Command1
qhj_click Command2
check "generate and copy work" qhj_wait_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"

(cd "$work" && exec wine "$QHJ_WINDOWS_BIN/clipboard_holder.exe" ready release 60 >/dev/null 2>&1) &
holder=$!
for _ in $(seq 1 100); do [ -e "$work/ready" ] && break; sleep 0.1; done
check "another program holds the clipboard" test -e "$work/ready"

qhj_click Command2
sleep 0.8
qhj_screenshot "$QHJ_SCREENSHOTS/qinghejian-clipboard-busy.png" "700x400+290+200"
check "复制 with the clipboard held: a notice titled 错误" qhj_answer_box "错误"
check "the program runs on" kill -0 "$QHJ_PID"

touch "$work/release"
wait "$holder"
check_eq "the holder let go" "$?" 0
qhj_put_clipboard "other"
qhj_click Command2
check "Text2 is unchanged and copies once the clipboard is free" \
    qhj_wait_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
check "no further notice" qhj_no_box_within 1

qhj_menu 3 # 退出软件
qhj_wait_exit 10
check_eq "退出软件 ends it" "$?" 0
finish
