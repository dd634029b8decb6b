# What 复制 puts on the clipboard: the empty text before any generate, a
# result edited by hand as it stands, and a long text whole.
put_clipboard "sentinel"
check_eq "another program's text is on the clipboard" "$(clipboard)" "sentinel"
start_program || give_up "Form1 opens"

# The focus starts on Command2: Space presses it.
press space
check "复制 before any generate: the clipboard holds only the empty text" expect_clipboard ""
check "the empty text is really on the clipboard (it can be read)" clipboard_readable

# A spreadsheet cell comes with a line break: pasted text counts up to its
# first line break, as the Windows box takes it.
put_clipboard $'1234.56\r\n7'
click Text1
press Home shift+End ctrl+v
sleep 0.3
click Command1
check "a cell pasted with its line break converts, with no notice" no_notice_within 1
click Command2
check "…up to the line break: 1234.56 → 壹仟贰佰叁拾肆圆伍角陆分整" expect_clipboard "壹仟贰佰叁拾肆圆伍角陆分整"

# Chinese pasted in from another program, then copied back.
click Command1
put_clipboard "手改 壹圆整"
click Text2
press Home shift+End ctrl+v
sleep 0.3
put_clipboard "other"
click Command2
check "Text2 edited by hand is copied as it stands" expect_clipboard "手改 壹圆整"

# No length limit: past the 30,000 characters an edit control takes
# unless told otherwise.
long=$(printf '%040000d' 0 | tr 0 7)
put_clipboard "$long"
click Text2
press Home shift+End ctrl+v
sleep 1
put_clipboard "other"
click Command2
check "40,000 characters pasted into Text2 are copied whole" expect_clipboard "$long"
