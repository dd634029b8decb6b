// Every notice the program shows, as the tests expect to see it: written out
// here, once for all the tests, rather than taken from the code under test.
// Plain data, so that the Qt test, the Win32 test under Wine and the
// GoogleTest suites all read the same texts.
#pragma once

#include "version/version.h"

#include <string_view>

namespace qhj::testing {

struct ExpectedNotice {
    std::u16string_view prompt;
    std::u16string_view title;
    bool exclamation;
};

inline constexpr ExpectedNotice kMorePointsNotice{u"数字输入出错", u"青禾笺", false};
inline constexpr ExpectedNotice kExtraDecimalsNotice{u"小数点后第二位后的数字将被忽略", u"警告", true};
inline constexpr ExpectedNotice kFailureNotice{u"你输入的数字太大或者输入错误，识别失败", u"错误", true};
inline constexpr ExpectedNotice kClipboardBusyNotice{u"复制失败，剪贴板正被其他程序占用，请稍后再试", u"错误",
                                                     true};
inline constexpr ExpectedNotice kNoMemoryNotice{u"复制失败，内存不足，请关闭一些程序后再试", u"错误", true};
inline constexpr ExpectedNotice kUsageNoteNotice{
    u"在“输入数字”框中输入人民币金额的阿拉伯数字，可带一个小数点，例如 123456.78。\n"
    u"点击“生成大写”，大写金额显示在“大写数字”框中；点击“复制”，把它复制到剪贴板。\n"
    u"整数部分最多12位，最高到仟亿位；小数只取前两位，即角和分。",
    u"青禾笺", false};
inline constexpr ExpectedNotice kAuthorNoticeNotice{
    u"青禾笺 " QHJ_VERSION_TEXT u"\n作者：墨桐青岚\n墨桐青岚电脑", u"青禾笺", false};

} // namespace qhj::testing
