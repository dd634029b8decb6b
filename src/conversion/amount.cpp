#include "conversion/amount.h"

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

namespace {

void appendNumber(std::u16string& text, std::uint64_t value)
{
    char16_t digits[20];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        text += digits[--n];
}

} // namespace

std::size_t writeFigures(const Amount& amount, char* out)
{
    char* at = out;
    if (amount.negative)
        *at++ = '-';
    char digits[20];
    std::size_t n = 0;
    std::uint64_t rest = amount.yuan;
    do {
        digits[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (n > 0)
        *at++ = digits[--n];
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
    std::u16string text = u"第";
    appendNumber(text, position);
    text += u"个字符：";
    return text;
}

} // namespace qhj::conversion
