#include "conversion/standard_form.h"

#include <cstddef>

namespace qhj::conversion {

namespace {

constexpr std::u16string_view kZero = u"零";

std::u16string_view capital(int digit)
{
    return CapitalDigits[static_cast<std::size_t>(digit)];
}

// The 分 digit when there is one, else the closing mark: 整 follows 元 or 角
// but never 分.
void appendFenOrClose(std::u16string& text, int fen)
{
    if (fen != 0) {
        text += capital(fen);
        text += kFen;
    } else {
        text += kClosingMark;
    }
}

} // namespace

std::u16string standardText(const CheckedAmount& amount)
{
    std::u16string_view integer = amount.integer;
    while (!integer.empty() && digitValue(integer.front()) == 0)
        integer.remove_prefix(1);
    const int jiao = amount.fraction.size() > 0 ? digitValue(amount.fraction[0]) : 0;
    const int fen = amount.fraction.size() > 1 ? digitValue(amount.fraction[1]) : 0;

    std::u16string text;
    text.reserve(2 * integer.size() + 8);
    if (integer.empty()) {
        // Below one 元: from the first non-zero unit on.
        if (jiao == 0 && fen == 0)
            return std::u16string(u"零元整");
        if (jiao != 0) {
            text += capital(jiao);
            text += kJiao;
        }
        appendFenOrClose(text, fen);
        return text;
    }

    // The integer part, left to right; `place` counts from the right, so a
    // group ends where place % 4 == 0.
    bool zeroPending = false;  // zeros seen since the last digit written
    bool groupWritten = false; // a digit of the current group written
    int onesDigit = 0;
    for (std::size_t k = 0; k < integer.size(); ++k) {
        const std::size_t place = integer.size() - 1 - k;
        const int digit = digitValue(integer[k]);
        if (digit == 0) {
            zeroPending = true;
        } else {
            if (zeroPending)
                text += kZero;
            zeroPending = false;
            text += capital(digit);
            text += kGroupPlaceUnits[place % 4];
            groupWritten = true;
        }
        if (place % 4 == 0) {
            if (place == 0) {
                text += kYuan;
                onesDigit = digit;
            } else if (groupWritten) {
                text += kGroupUnits[place / 4 - 1];
            }
            // Zeros at the end of a group give nothing; those at the start
            // of the next one give its 零.
            zeroPending = false;
            groupWritten = false;
        }
    }

    if (jiao == 0 && fen == 0) {
        text += kClosingMark;
    } else if (jiao == 0) {
        text += kZero;
        text += capital(fen);
        text += kFen;
    } else {
        if (onesDigit == 0)
            text += kZero;
        text += capital(jiao);
        text += kJiao;
        appendFenOrClose(text, fen);
    }
    return text;
}

std::u16string convertAmountStandard(std::u16string_view input, runtime::MessageBox& box)
{
    const std::optional<CheckedAmount> amount = checkAmount(input, box);
    if (!amount)
        return {};
    return standardText(*amount);
}

} // namespace qhj::conversion
