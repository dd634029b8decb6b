# The keyboard: the tab order with its wrap, Enter and Esc pressing nothing
# in a text box, and Enter pressing a focused button.
start_program || give_up "Form1 opens"

# Tab into a text box selects its text, so typing replaces it. Tab order
# Command2, Text2, Text1, Command1.
press Tab
type_text abc                # Text2
press Tab Tab Tab space      # Text1, Command1, Command2: copy
check "Tab from Command2 reaches Text2, three more come back to Command2" expect_clipboard "abc"
press Tab Tab
type_text 5                  # Text2, Text1
press Tab space              # Command1: generate
press Tab space              # Command2: copy
check "then Text1, Command1 and Command2: 5 becomes 伍圆整" expect_clipboard "伍圆整"

# 12a would give the failure notice if converted.
set_text1 "12a"
press Return KP_Enter Escape
check "Enter and Esc in Text1 show no notice" no_notice_within 1
click Text2
press Return
check "Enter in Text2 shows no notice" no_notice_within 1
click Command2
check "and nothing was converted: Text2 still holds 伍圆整" expect_clipboard "伍圆整"
set_text1 "7"
press Tab Return
check "Enter on Command1 presses it, with no notice" no_notice_within 1
press Tab Return
check "Enter on Command2 presses it: 7 → 柒圆整" expect_clipboard "柒圆整"
