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

std::u16string figuresText(const Amount& amount)
{
    std::u16string text;
    if (amount.negative)
        text += u'-';
    appendNumber(text, amount.yuan);
    text += u'.';
    text += static_cast<char16_t>(u'0' + amount.jiao);
    text += static_cast<char16_t>(u'0' + amount.fen);
    return text;
}

std::u16string positionText(std::size_t position)
{
    std::u16string text = u"第";
    appendNumber(text, position);
    text += u"个字符：";
    return text;
}

} // namespace qhj::conversion
