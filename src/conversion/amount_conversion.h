// Writes an amount typed in Arabic digits in Chinese capital numerals:
// "123456.78" -> "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整".
//
// The form is positional and literal: every integer digit is written with
// the unit of its place, zeros included ("100" -> "壹佰零拾零圆整"), and the
// first two fraction digits with 角 and 分. Nothing is rounded.
#pragma once

#include "runtime/runtime.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qhj::conversion {

// Indexed by digit value.
inline constexpr std::array<std::u16string_view, 10> CapitalDigits = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖",
};

namespace detail {
constexpr std::array<std::u16string_view, 12> splitUnits(std::u16string_view list)
{
    std::array<std::u16string_view, 12> units{};
    std::size_t count = 0;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos <= list.size(); ++pos) {
        if (pos == list.size() || list[pos] == u'|') {
            units.at(count++) = list.substr(begin, pos - begin);
            begin = pos + 1;
        }
    }
    if (count != units.size())
        throw "the unit list must have twelve entries";
    return units;
}
} // namespace detail

// The unit of each integer place, counted from the right: 圆 for the ones
// up to 仟 for the 仟亿 place. There is no thirteenth.
inline constexpr std::array<std::u16string_view, 12> IntegerUnits =
    detail::splitUnits(u"圆|拾|佰|仟|万|拾|佰|仟|亿|拾|佰|仟");

inline constexpr std::u16string_view kJiao = u"角";
inline constexpr std::u16string_view kFen = u"分";
inline constexpr std::u16string_view kClosingMark = u"整";

// What ConvertAmount may say while it works.
struct NoticeText {
    std::u16string_view prompt;
    runtime::MsgBoxStyle style;
    std::optional<std::u16string_view> title;
};

inline constexpr NoticeText kMorePointsNotice{u"数字输入出错", runtime::MsgBoxStyle::kOkOnly, std::nullopt};
inline constexpr NoticeText kExtraDecimalsNotice{u"小数点后第二位后的数字将被忽略",
                                                 runtime::MsgBoxStyle::kExclamation, u"警告"};
inline constexpr NoticeText kFailureNotice{u"你输入的数字太大或者输入错误，识别失败",
                                           runtime::MsgBoxStyle::kExclamation, u"错误"};

// The value of a decimal digit, ASCII "0"-"9" or full-width "０"-"９" as
// Chinese input methods type them; -1 for anything else.
constexpr int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'０' && c <= u'９')
        return c - u'０';
    return -1;
}

// An amount that has passed the input rules: both parts consist of decimal
// digits only (see digitValue), the integer part of at most twelve, the
// fraction part of at most two (any further ones already dropped), and not
// both are empty. Both view the text given to checkAmount.
struct CheckedAmount {
    std::u16string_view integer;
    std::u16string_view fraction;
};

// What the window's input rules make of a text: the amount, or nothing, and
// the notices to show on the way, in the order they are shown.
struct AmountCheck {
    std::optional<CheckedAmount> amount;
    std::array<const NoticeText*, 2> notices{};
    std::size_t noticeCount = 0;
};

// The window's input rules, as values:
//  - more than one point: "数字输入出错", and no amount;
//  - more than two fraction characters: the extra-decimals warning, and the
//    rest are ignored;
//  - anything unconvertible (a non-digit, more than twelve integer
//    characters, nothing at all to convert): the failure notice, and no
//    amount.
// The integer part is checked in full before the fraction is looked at, so
// a bad integer part never brings the warning. Linear in the input's length.
AmountCheck checkAmount(std::u16string_view input);

// The window's literal form of a checked amount: every digit with the unit
// of its place, zeros included, and the closing mark.
std::u16string literalText(const CheckedAmount& amount);

// Converts `input` and returns the capital text, or the empty text when the
// input cannot be converted. The notices checkAmount gives are shown through
// `box`, in order, before it returns. Runs in time linear in the input's
// length and copies none of it.
std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box);

} // namespace qhj::conversion
