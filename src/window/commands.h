// The five commands of Form1, written once against the runtime seam so the
// Qt and the Win32 programs behave alike.
#pragma once

#include "runtime/runtime.h"
#include "version/version.h"
#include "window/convert_amount.h"
#include "window/form1.h"

#include <string_view>

namespace qhj::window {

inline constexpr std::u16string_view kUsageNote =
    u"在“输入数字”框中输入人民币金额的阿拉伯数字，可带一个小数点，例如 123456.78。\n"
    u"点击“生成大写”，大写金额显示在“大写数字”框中；点击“复制”，把它复制到剪贴板。\n"
    u"整数部分最多12位，最高到仟亿位；小数只取前两位，即角和分。";

inline constexpr std::u16string_view kAuthorNotice =
    u"青禾笺 " QHJ_VERSION_TEXT u"\n作者：墨桐青岚\n墨桐青岚电脑";

inline constexpr std::u16string_view kClipboardBusyPrompt = u"复制失败，剪贴板正被其他程序占用，请稍后再试";
inline constexpr std::u16string_view kNoMemoryPrompt = u"复制失败，内存不足，请关闭一些程序后再试";

// Converts Text1 into Text2; notices appear during the call.
void generate(runtime::Runtime& rt);

// Selects all of Text2 and puts it on the clipboard as plain text. A
// clipboard held by another program, or too little memory for the text,
// gives a notice; Text2 stays as it is and the program runs on.
void copy(runtime::Runtime& rt);

void showNote(runtime::Runtime& rt);
void showAuthor(runtime::Runtime& rt);

// Ends the program at once.
void quit(runtime::Runtime& rt);

// Runs what a click on a control or menu item with `command` does.
void click(Command command, runtime::Runtime& rt);

} // namespace qhj::window
