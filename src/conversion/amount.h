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

// Whether `c` is no blank of any kind at a glance: printable ASCII, where
// the figures are, or the stretch from just past the full-width space to
// just short of the byte-order mark, where the capitals are. One or two
// comparisons for nearly every character tested.
constexpr bool surelyNoBlank(char16_t c)
{
    return c - 0x21u < 0xA0u - 0x21u || c - 0x3001u < 0xFEFFu - 0x3001u;
}

// The blanks allowed around figures and capitals: space, tab, the
// full-width space of Chinese input methods, and the no-break space that
// text copied from a spreadsheet or a web page brings along.
constexpr bool isBlank(char16_t c)
{
    return !surelyNoBlank(c) && (c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000');
}

// What trimmedBlanks takes off either end: the blanks, and the byte-order
// mark and line breaks that a copied cell or a saved line keeps.
constexpr bool isEdgeBlank(char16_t c)
{
    return isBlank(c) || (!surelyNoBlank(c) && (c == u'\n' || c == u'\r' || c == u'\uFEFF'));
}

// `text` without the blanks around it.
constexpr std::u16string_view trimmedBlanks(std::u16string_view text)
{
    while (!text.empty() && isEdgeBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isEdgeBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The figures and the capitals of a line that holds both, with blanks
// between them: the figures end at the first blank after them.
struct PairOfLine {
    std::u16string_view figures;
    std::u16string_view capitals;
};
constexpr PairOfLine pairOfLine(std::u16string_view line)
{
    // Only the starts are trimmed here: each reader trims its text's end
    // itself, and counts positions from the start it is given.
    std::size_t start = 0;
    while (start < line.size() && isEdgeBlank(line[start]))
        ++start;
    std::size_t gap = start;
    while (gap < line.size() && !isBlank(line[gap]))
        ++gap;
    std::size_t capitals = gap;
    while (capitals < line.size() && isBlank(line[capitals]))
        ++capitals;
    return {line.substr(start, gap - start), line.substr(capitals)};
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
