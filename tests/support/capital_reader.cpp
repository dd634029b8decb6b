#include "support/capital_reader.h"

namespace qhj::testing {

namespace {

constexpr std::u16string_view kDigits = u"零壹贰叁肆伍陆柒捌玖";
// Integer place units from the most significant of twelve places down.
constexpr std::u16string_view kPlaces = u"仟佰拾亿仟佰拾万仟佰拾圆";

} // namespace

std::u16string asciiDigits(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out) {
        if (c >= u'０' && c <= u'９')
            c = static_cast<char16_t>(u'0' + (c - u'０'));
    }
    return out;
}

std::optional<ReadAmount> readCapitalAmount(std::u16string_view text)
{
    if (text.empty() || text.back() != u'整')
        return std::nullopt;
    text.remove_suffix(1);
    if (text.size() % 2 != 0)
        return std::nullopt;

    ReadAmount amount;
    std::size_t pairs = text.size() / 2;
    std::size_t yuan = pairs; // index of the pair that ends the integer part
    for (std::size_t p = 0; p < pairs; ++p) {
        if (text[2 * p + 1] == u'圆')
            yuan = p;
    }
    const std::size_t integerPairs = yuan == pairs ? 0 : yuan + 1;
    if (integerPairs > kPlaces.size())
        return std::nullopt;
    for (std::size_t p = 0; p < pairs; ++p) {
        const std::size_t digit = kDigits.find(text[2 * p]);
        if (digit == std::u16string_view::npos)
            return std::nullopt;
        const char16_t unit = text[2 * p + 1];
        char16_t expected = 0;
        if (p < integerPairs)
            expected = kPlaces[kPlaces.size() - integerPairs + p];
        else if (p == integerPairs)
            expected = u'角';
        else if (p == integerPairs + 1)
            expected = u'分';
        if (unit != expected)
            return std::nullopt;
        (p < integerPairs ? amount.integerDigits : amount.fractionDigits)
            .push_back(static_cast<char16_t>(u'0' + digit));
    }
    return amount;
}

} // namespace qhj::testing
