#include "support/standard_reader.h"

#include <array>
#include <cstddef>

namespace qhj::testing {

namespace {

constexpr std::u16string_view kDigits = u"零壹贰叁肆伍陆柒捌玖";
constexpr std::u16string_view kPlaces = u"拾佰仟"; // places 1, 2, 3 of a group

// A non-zero capital digit, or -1.
int nonZeroDigit(char16_t c)
{
    const std::size_t d = kDigits.find(c);
    return d == std::u16string_view::npos || d == 0 ? -1 : static_cast<int>(d);
}

// One group of up to four digits, written without its group unit. The
// leading group starts with a digit; any later one starts with 零 exactly
// when its 仟 digit is zero. Inside a group a 零 stands for, and only for, a
// gap between two digits. nullopt for anything else, also for the empty text.
std::optional<int> readGroup(std::u16string_view text, bool leading)
{
    std::array<int, 4> digits{};
    int previousPlace = 4; // none written yet
    bool zero = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == u'零') {
            if (zero)
                return std::nullopt;
            zero = true;
            ++i;
            continue;
        }
        const int digit = nonZeroDigit(text[i++]);
        if (digit < 0)
            return std::nullopt;
        int place = 0;
        if (i < text.size()) {
            const std::size_t unit = kPlaces.find(text[i]);
            if (unit != std::u16string_view::npos) {
                place = static_cast<int>(unit) + 1;
                ++i;
            }
        }
        if (place >= previousPlace)
            return std::nullopt;
        const bool zeroNeeded =
            previousPlace == 4 ? !leading && place < 3 : previousPlace - place > 1;
        if (zero != zeroNeeded)
            return std::nullopt;
        digits[static_cast<std::size_t>(place)] = digit;
        previousPlace = place;
        zero = false;
    }
    if (zero || previousPlace == 4)
        return std::nullopt;
    return ((digits[3] * 10 + digits[2]) * 10 + digits[1]) * 10 + digits[0];
}

} // namespace

void PrintTo(const StandardAmount& amount, std::ostream* out)
{
    *out << amount.yuan << " 元 " << amount.jiao << " 角 " << amount.fen << " 分";
}

std::optional<StandardAmount> readStandardAmount(std::u16string_view text)
{
    if (text == u"零元整")
        return StandardAmount{};

    StandardAmount amount;
    bool onesZero = false;
    const std::size_t yuanAt = text.find(u'元');
    const bool hasInteger = yuanAt != std::u16string_view::npos;
    std::u16string_view rest = text;
    if (hasInteger) {
        std::u16string_view integer = text.substr(0, yuanAt);
        rest = text.substr(yuanAt + 1);
        // 亿 and 万 close their groups; a group left out is all zeros.
        bool leading = true;
        for (const char16_t unit : {u'亿', u'万'}) {
            const std::size_t at = integer.find(unit);
            amount.yuan *= 10000;
            if (at == std::u16string_view::npos)
                continue;
            const std::optional<int> group = readGroup(integer.substr(0, at), leading);
            if (!group)
                return std::nullopt;
            amount.yuan += static_cast<std::uint64_t>(*group);
            leading = false;
            integer = integer.substr(at + 1);
        }
        amount.yuan *= 10000;
        if (!integer.empty()) {
            const std::optional<int> group = readGroup(integer, leading);
            if (!group)
                return std::nullopt;
            amount.yuan += static_cast<std::uint64_t>(*group);
            onesZero = *group % 10 == 0;
        } else {
            if (leading) // 元 alone is only 零元整
                return std::nullopt;
            onesZero = true;
        }
    }

    // The fraction: [零] [digit 角] [digit 分] [整].
    bool zero = false;
    bool closed = false;
    if (!rest.empty() && rest.front() == u'零') {
        zero = true;
        rest.remove_prefix(1);
    }
    if (rest.size() >= 2 && nonZeroDigit(rest[0]) > 0 && rest[1] == u'角') {
        amount.jiao = nonZeroDigit(rest[0]);
        rest.remove_prefix(2);
    }
    if (rest.size() >= 2 && nonZeroDigit(rest[0]) > 0 && rest[1] == u'分') {
        amount.fen = nonZeroDigit(rest[0]);
        rest.remove_prefix(2);
    }
    if (!rest.empty() && rest.front() == u'整') {
        closed = true;
        rest.remove_prefix(1);
    }
    if (!rest.empty())
        return std::nullopt;
    if (!hasInteger && amount.jiao == 0 && amount.fen == 0)
        return std::nullopt;
    if (closed != (amount.fen == 0))
        return std::nullopt; // 整 after 元 or 角, never after 分
    const bool zeroNeeded = hasInteger
        && ((amount.jiao != 0 && onesZero) || (amount.jiao == 0 && amount.fen != 0));
    if (zero != zeroNeeded)
        return std::nullopt;
    return amount;
}

std::optional<StandardAmount> amountOf(std::u16string_view input)
{
    const auto value = [](char16_t c) {
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= u'０' && c <= u'９')
            return c - u'０';
        return -1;
    };
    const std::size_t point = input.find(u'.');
    const std::u16string_view integer = input.substr(0, point);
    const std::u16string_view fraction =
        point == std::u16string_view::npos ? std::u16string_view{} : input.substr(point + 1);
    if (integer.size() > 12 || fraction.find(u'.') != std::u16string_view::npos)
        return std::nullopt;
    StandardAmount amount;
    for (const char16_t c : integer) {
        if (value(c) < 0)
            return std::nullopt;
        amount.yuan = amount.yuan * 10 + static_cast<std::uint64_t>(value(c));
    }
    for (std::size_t j = 0; j < fraction.size() && j < 2; ++j) {
        if (value(fraction[j]) < 0)
            return std::nullopt;
        (j == 0 ? amount.jiao : amount.fen) = value(fraction[j]);
    }
    return amount;
}

} // namespace qhj::testing
