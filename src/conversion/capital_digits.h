// The capital digits and the units of the window's literal form, and what
// counts as a digit: shared by every form and by the readers.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace qhj::conversion {

// Indexed by digit value.
inline constexpr std::array<std::u16string_view, 10> CapitalDigits = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖",
};

namespace detail {
constexpr std::array<std::u16string_view, 12> splitUnits(std::u16string_view list)
{
    std::array<std::u16string_view, 12> units{};
    std::size_t count = 0;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos <= list.size(); ++pos) {
        if (pos == list.size() || list[pos] == u'|') {
            units.at(count++) = list.substr(begin, pos - begin);
            begin = pos + 1;
        }
    }
    if (count != units.size())
        throw "the unit list must have twelve entries";
    return units;
}
} // namespace detail

// The unit of each integer place, counted from the right: 圆 for the ones
// up to 仟 for the 仟亿 place. There is no thirteenth.
inline constexpr std::array<std::u16string_view, 12> IntegerUnits =
    detail::splitUnits(u"圆|拾|佰|仟|万|拾|佰|仟|亿|拾|佰|仟");

inline constexpr std::u16string_view kJiao = u"角";
inline constexpr std::u16string_view kFen = u"分";
inline constexpr std::u16string_view kClosingMark = u"整";

// The value of a decimal digit, ASCII "0"-"9" or full-width "０"-"９" as
// Chinese input methods type them; -1 for anything else.
constexpr int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'０' && c <= u'９')
        return c - u'０';
    return -1;
}

} // namespace qhj::conversion
