// Reads an amount written in capitals back into its value: the window's
// literal form ("壹佰零拾零圆整"), the payment-rule form ("壹仟陆佰捌拾元零
// 叁角贰分") and the other spellings those rules accept, with or without the
// optional 零, 元 or 圆, 整 or 正, a leading 人民币 with or without a colon,
// 负 for a negative amount, blanks around the text, amounts up to 仟万亿,
// and the traditional 貳 叄 參 陸 萬 億 圓 負 幣. Texts whose value is plain
// but that break a rule are read too, and what they break is noted for
// checkPair.
#pragma once

#include "conversion/amount.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qhj::conversion {

// How a readable text was written, beyond its value.
struct Spelling {
    bool closedAfterFen = false;     // 整 or 正 after 分
    bool unclosedAtYuan = false;     // the text ends at 元, with no 整 or 正
    bool bareLeadingShi = false;     // 拾 first, without 壹
    bool blankAfterRenminbi = false; // 人民币, then a blank before the amount
    // Bit p + 2 stands for place p: the integer places are 0 (元) to 15
    // (仟万亿), 角 is -1 and 分 -2.
    std::uint32_t nonZeroPlaces = 0;    // where the digits are not zero
    std::uint32_t zeroWrittenAbove = 0; // a 零 stands between the non-zero
                                        // digit here and the one before it
};

// The bit of place `place` (-2 to 15) in Spelling's masks.
constexpr std::uint32_t placeBit(int place)
{
    return std::uint32_t{1} << (place + 2);
}

struct CapitalReading {
    bool readable = false;
    Amount amount;
    Spelling spelling;
    // When not readable: the 1-based UTF-16 position of the first character
    // that cannot be read (one past the end when the text stops too soon),
    // and why, in a few words of Chinese.
    std::size_t position = 0;
    std::u16string_view reason;
};

// Reads `text` in one pass, without allocating.
CapitalReading readCapitals(std::u16string_view text);

} // namespace qhj::conversion
