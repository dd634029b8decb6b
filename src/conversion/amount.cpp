#include "conversion/amount.h"

#include "conversion/amount_conversion.h"

#include <charconv>

namespace qhj::conversion {

Amount amountOf(const CheckedAmount& checked)
{
    Amount amount;
    for (const char16_t c : checked.integer)
        amount.yuan = amount.yuan * 10 + static_cast<std::uint64_t>(digitValue(c));
    if (!checked.fraction.empty())
        amount.jiao = digitValue(checked.fraction[0]);
    if (checked.fraction.size() > 1)
        amount.fen = digitValue(checked.fraction[1]);
    return amount;
}

std::size_t writeFigures(const Amount& amount, char* out)
{
    char* at = out;
    if (amount.negative)
        *at++ = '-';
    at = std::to_chars(at, out + kMaxFiguresLength, amount.yuan).ptr;
    *at++ = '.';
    *at++ = static_cast<char>('0' + amount.jiao);
    *at++ = static_cast<char>('0' + amount.fen);
    return static_cast<std::size_t>(at - out);
}

std::u16string figuresText(const Amount& amount)
{
    char ascii[kMaxFiguresLength];
    const std::size_t length = writeFigures(amount, ascii);
    return std::u16string(ascii, ascii + length);
}

std::u16string positionText(std::size_t position)
{
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, position).ptr;
    std::u16string text = u"第";
    text.append(static_cast<char*>(digits), end);
    text += u"个字符：";
    return text;
}

} // namespace qhj::conversion
