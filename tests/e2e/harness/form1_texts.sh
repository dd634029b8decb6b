# Form1's texts as the description gives them, written out here rather than
# read from the program (form1_layout.cpp gives only where things are), so
# that a wrong caption, label or title fails.
FORM1_CAPTION="青禾笺$(printf '%26s' '')BY:墨桐青岚"
FORM1_MENU_CAPTION=帮助
declare -A FORM1_TEXT=(
    [Command1]=生成大写 [Text1]=123456.78 [Text2]= [Command2]=复制 [Label2]=输入数字: [Label3]=大写数字:
)
