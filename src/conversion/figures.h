// Figures as people write them on a cheque, an invoice or in a spreadsheet,
// for the standard form and for checking figures against capitals. The
// window keeps its own, literal rules (amount_conversion.h).
#pragma once

#include "conversion/amount.h"

#include <cstddef>
#include <string_view>

namespace qhj::conversion {

// Why figures with decimals after 分 are refused where they are not cut.
inline constexpr std::u16string_view kThirdDecimal = u"小数超过两位，支票金额只写到分";

// What becomes of decimals after 分.
enum class ExtraDecimals {
    kCut,    // dropped, and the reading says so
    kRefuse, // the figures are unreadable: a cheque's figures stop at 分
};

inline constexpr std::size_t kMaxIntegerDigits = 16; // to the 仟万亿 place

struct FiguresReading {
    bool readable = false;
    Amount amount;
    bool cut = false; // decimals after 分 were dropped
    // Of unreadable figures: the 1-based position of the character at fault
    // (one past the end when something is missing) and why. Of cut ones:
    // the position of the first decimal cut.
    std::size_t position = 0;
    std::u16string_view reason;
};

// One amount: blanks around it (space, tab, U+3000); a minus sign (-, －,
// −) and a currency mark (￥, ¥) in either order; digits, ASCII or
// full-width, in the integer part grouped by "," or "，" in threes or not at
// all; a point, "." or "．", and decimals. Nothing else.
FiguresReading readFigures(std::u16string_view text, ExtraDecimals extra);

} // namespace qhj::conversion
