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
//  - an amount below one 元 starts at its first non-zero unit; zero is 零元整;
//  - above 亿, the number of 亿 is itself read in groups: 壹万亿元整, and
//    1009876543210 -> 壹万零玖拾捌亿柒仟陆佰伍拾肆万叁仟贰佰壹拾元整;
//  - a negative amount begins with 负 (负壹角整).
// The amount comes from the figures' rules (figures.h).
#pragma once

#include "conversion/amount.h"

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

inline constexpr std::u16string_view kNegative = u"负";
inline constexpr std::u16string_view kRenminbiText = u"人民币";

enum class Prefix {
    kNone,
    // 人民币 first, as the rules ask where a form has none printed before
    // the space for the amount.
    kRenminbi,
};

// The standard form of an amount of up to sixteen integer digits.
std::u16string standardText(const Amount& amount, Prefix prefix = Prefix::kNone);
// The same into `out`, which keeps its room, for a caller that writes many.
void standardText(const Amount& amount, Prefix prefix, std::u16string& out);

} // namespace qhj::conversion
