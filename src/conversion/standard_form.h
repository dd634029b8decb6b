// The form the payment rules ask for on cheques and settlement forms ("正确
// 填写票据和结算凭证的基本规定"): "1409.50" -> "壹仟肆佰零玖元伍角整".
//
// Unlike ConvertAmount's positional form, leading zeros are dropped and the
// integer part is read in groups of four digits (亿, 万, 元):
//  - inside a group, a run of zeros between non-zero digits gives one 零 and
//    zeros at its end give nothing; a group after the first that begins with
//    zero gives one 零 before its first non-zero digit; a 万 or 亿 group of
//    four zeros is left out with its unit, while 元 is always written for an
//    amount of at least one 元;
//  - after 元 comes 零 when the 元 digit is 0 and the 角 digit is not, or
//    when the 角 digit is 0 and the 分 digit is not (10.05 -> 壹拾元零伍分);
//  - 整 follows 元 or 角, never 分;
//  - an amount below one 元 starts at its first non-zero unit; zero is 零元整.
// The input rules, the limits and the notices are ConvertAmount's, from the
// same checkAmount.
#pragma once

#include "conversion/amount_conversion.h"

#include <array>
#include <string>
#include <string_view>

namespace qhj::conversion {

inline constexpr std::u16string_view kYuan = u"元";

// The unit of a digit inside its group of four, by its place in the group
// counted from the right; the ones of a group take the group's unit alone.
inline constexpr std::array<std::u16string_view, 4> kGroupPlaceUnits = {u"", u"拾", u"佰", u"仟"};

// The unit of each group after 元, counted from the right: 万, then 亿.
inline constexpr std::array<std::u16string_view, 2> kGroupUnits = {u"万", u"亿"};

// The standard form of an amount that has passed checkAmount.
std::u16string standardText(const CheckedAmount& amount);

// Converts `input` to the standard form, or to the empty text when it cannot
// be converted, showing the same notices as ConvertAmount through `box`.
std::u16string convertAmountStandard(std::u16string_view input, runtime::MessageBox& box);

} // namespace qhj::conversion
