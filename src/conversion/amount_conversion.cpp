#include "conversion/amount_conversion.h"

#include <cstddef>

namespace qhj::conversion {

namespace {

void show(runtime::MessageBox& box, const NoticeText& notice)
{
    box.msgBox(notice.prompt, notice.style, notice.title);
}

// Thrown inside ConvertAmount for any input it cannot convert; caught at
// its one handler, which shows the failure notice.
struct ConversionFailure {};

std::u16string_view capitalDigit(char16_t c)
{
    const int value = digitValue(c);
    if (value < 0)
        throw ConversionFailure{};
    return CapitalDigits[static_cast<std::size_t>(value)];
}

std::u16string integerText(std::u16string_view digits)
{
    // Built from the right so an over-long part fails after at most
    // thirteen characters, however long it is.
    std::u16string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::u16string_view digit = capitalDigit(digits[digits.size() - 1 - i]);
        if (i >= IntegerUnits.size())
            throw ConversionFailure{};
        text.insert(0, IntegerUnits[i]);
        text.insert(0, digit);
    }
    return text;
}

std::u16string fractionText(std::u16string_view fraction, runtime::MessageBox& box)
{
    if (fraction.empty())
        return std::u16string(kClosingMark);
    if (fraction.size() > 2) {
        show(box, kExtraDecimalsNotice);
        fraction = fraction.substr(0, 2);
    }
    std::u16string text;
    for (std::size_t j = 0; j < fraction.size(); ++j) {
        text += capitalDigit(fraction[j]);
        text += j == 0 ? kJiao : kFen;
    }
    text += kClosingMark;
    return text;
}

} // namespace

int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'０' && c <= u'９')
        return c - u'０';
    return -1;
}

std::u16string ConvertAmount(std::u16string_view input, runtime::MessageBox& box)
{
    const std::size_t point = input.find(u'.');
    if (point != std::u16string_view::npos
        && input.find(u'.', point + 1) != std::u16string_view::npos) {
        show(box, kMorePointsNotice);
        return {};
    }
    const std::u16string_view integer = input.substr(0, point);
    const std::u16string_view fraction =
        point == std::u16string_view::npos ? std::u16string_view{} : input.substr(point + 1);

    try {
        // An empty box or a lone point would otherwise come out as a bare
        // closing mark, which reads like a real amount on a cheque.
        if (integer.empty() && fraction.empty())
            throw ConversionFailure{};
        std::u16string result = integerText(integer);
        result += fractionText(fraction, box);
        return result;
    } catch (const ConversionFailure&) {
        show(box, kFailureNotice);
        return {};
    }
}

} // namespace qhj::conversion
