// Writes an amount typed in Arabic digits in Chinese capital numerals:
// "123456.78" -> "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整".
//
// The form is positional and literal: every integer digit is written with
// the unit of its place, zeros included ("100" -> "壹佰零拾零圆整"), and the
// first two fraction digits with 角 and 分. Nothing is rounded. What the
// rules say about a text comes back as notice codes; the window shows them
// (window/convert_amount.h), the companion prints them.
#pragma once

#include "conversion/capital_digits.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qhj::conversion {

// What the window's input rules may say about a text.
enum class Notice : unsigned char {
    kMorePoints,    // more than one point
    kExtraDecimals, // more than two fraction characters: the rest are ignored
    kFailure,       // nothing that can be converted
};

// The notice's words, the same wherever it is shown or printed.
std::u16string_view noticeText(Notice notice);

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
    std::array<Notice, 2> notices{};
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
// The same into `out`, which keeps its room, for a caller that writes many.
void literalText(const CheckedAmount& amount, std::u16string& out);

} // namespace qhj::conversion
