// An amount as a value: what the figures and the capitals of a cheque must
// both say.
#pragma once

#include "conversion/capital_digits.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qhj::conversion {

struct Amount {
    std::uint64_t yuan = 0; // up to sixteen digits
    int jiao = 0;
    int fen = 0;
    bool negative = false; // never set on zero

    bool operator==(const Amount&) const = default;
};

// The blanks allowed around figures and capitals: space, tab, the
// full-width space of Chinese input methods, and the no-break space that
// text copied from a spreadsheet or a web page brings along.
constexpr bool isBlank(char16_t c)
{
    // Most characters tested are digits or capitals: one comparison sends
    // them to the last test.
    return c <= u' ' ? c == u' ' || c == u'\t' : c == u'\u3000' || c == u'\u00A0';
}

// `text` without the blanks around it, nor a byte-order mark before them
// or a line break after them, which a copied cell or a saved line keeps.
constexpr std::u16string_view trimmedBlanks(std::u16string_view text)
{
    if (!text.empty() && text.front() == u'\uFEFF')
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == u'\n' || text.back() == u'\r'))
        text.remove_suffix(1);
    return text;
}

struct CheckedAmount; // amount_conversion.h

// Why figures or capitals that hold nothing but blanks cannot be read.
inline constexpr std::u16string_view kNoAmount = u"没有金额";

// The value of an amount that has passed checkAmount.
Amount amountOf(const CheckedAmount& checked);

// The amount in figures with two decimals, as the companion prints it:
// "1409.50", "-0.10"; appendFigures adds it to `out`.
std::u16string figuresText(const Amount& amount);
void appendFigures(const Amount& amount, std::u16string& out);

// "第K个字符：", where a reason points into the text it is about.
std::u16string positionText(std::size_t position);

} // namespace qhj::conversion
