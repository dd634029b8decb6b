#include "conversion/amount.h"

#include "conversion/amount_conversion.h"

#include <array>
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

std::u16string figuresText(const Amount& amount)
{
    std::u16string text;
    appendFigures(amount, text);
    return text;
}

namespace {

// "00" to "99", so that two digits cost one division.
constexpr auto kDigitPairs = [] {
    std::array<std::array<char16_t, 2>, 100> pairs{};
    for (unsigned n = 0; n < 100; ++n)
        pairs[n] = {static_cast<char16_t>(u'0' + n / 10), static_cast<char16_t>(u'0' + n % 10)};
    return pairs;
}();

} // namespace

void appendFigures(const Amount& amount, std::u16string& out)
{
    // From the right: the decimals, the point, the yuan's digits, the sign.
    std::array<char16_t, 24> units;
    char16_t* const end = units.data() + units.size();
    char16_t* at = end;
    *--at = static_cast<char16_t>(u'0' + amount.fen);
    *--at = static_cast<char16_t>(u'0' + amount.jiao);
    *--at = u'.';
    std::uint64_t yuan = amount.yuan;
    while (yuan >= 10) {
        const auto pair = static_cast<unsigned>(yuan % 100);
        yuan /= 100;
        *--at = kDigitPairs[pair][1];
        *--at = kDigitPairs[pair][0];
    }
    if (yuan != 0 || at[0] == u'.')
        *--at = static_cast<char16_t>(u'0' + yuan);
    if (amount.negative)
        *--at = u'-';
    out.append(at, static_cast<std::size_t>(end - at));
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
