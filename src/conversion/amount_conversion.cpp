#include "conversion/amount_conversion.h"

#include <algorithm>
#include <cstddef>

namespace qhj::conversion {

namespace {

bool allDigits(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return digitValue(c) >= 0; });
}

std::u16string_view capitalDigit(char16_t checkedDigit)
{
    return CapitalDigits[static_cast<std::size_t>(digitValue(checkedDigit))];
}

} // namespace

std::u16string_view noticeText(Notice notice)
{
    switch (notice) {
    case Notice::kMorePoints:
        return u"数字输入出错";
    case Notice::kExtraDecimals:
        return u"小数点后第二位后的数字将被忽略";
    case Notice::kFailure:
        break;
    }
    return u"你输入的数字太大或者输入错误，识别失败";
}

AmountCheck checkAmount(std::u16string_view input)
{
    AmountCheck check;
    const auto notice = [&check](Notice code) { check.notices[check.noticeCount++] = code; };
    // Every way of failing ends here: the failure notice and no amount.
    const auto failure = [&check, &notice]() {
        notice(Notice::kFailure);
        check.amount.reset();
        return check;
    };

    const std::size_t point = input.find(u'.');
    if (point != std::u16string_view::npos && input.find(u'.', point + 1) != std::u16string_view::npos) {
        notice(Notice::kMorePoints);
        return check;
    }
    CheckedAmount amount;
    amount.integer = input.substr(0, point);
    amount.fraction = point == std::u16string_view::npos ? std::u16string_view{} : input.substr(point + 1);

    // An empty box or a lone point would otherwise come out as a bare
    // closing mark, which reads like a real amount on a cheque.
    if (amount.integer.empty() && amount.fraction.empty())
        return failure();
    // The length is looked at first, so an over-long part fails at once,
    // however long it is.
    if (amount.integer.size() > IntegerUnits.size() || !allDigits(amount.integer))
        return failure();
    if (amount.fraction.size() > 2) {
        notice(Notice::kExtraDecimals);
        amount.fraction = amount.fraction.substr(0, 2);
    }
    if (!allDigits(amount.fraction))
        return failure();
    check.amount = amount;
    return check;
}

std::u16string literalText(const CheckedAmount& amount)
{
    std::u16string text;
    literalText(amount, text);
    return text;
}

void literalText(const CheckedAmount& amount, std::u16string& out)
{
    const std::u16string_view integer = amount.integer;
    const std::u16string_view fraction = amount.fraction;

    // Every capital, unit and mark is one code unit: the text's length is
    // known, and it is written in place.
    out.resize(2 * (integer.size() + fraction.size()) + 1);
    char16_t* at = out.data();
    for (std::size_t i = 0; i < integer.size(); ++i) {
        *at++ = capitalDigit(integer[i]).front();
        *at++ = IntegerUnits[integer.size() - 1 - i].front();
    }
    for (std::size_t j = 0; j < fraction.size(); ++j) {
        *at++ = capitalDigit(fraction[j]).front();
        *at++ = (j == 0 ? kJiao : kFen).front();
    }
    *at = kClosingMark.front();
}

} // namespace qhj::conversion
