#include "conversion/cheque_date.h"

#include "conversion/amount_conversion.h"

#include <array>

namespace qhj::conversion {

namespace {

constexpr std::u16string_view kZero = u"零";
constexpr std::u16string_view kTen = u"拾";

int daysIn(int year, int month)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::u16string_view capital(int digit)
{
    return CapitalDigits[static_cast<std::size_t>(digit)];
}

// 1 to 31 with the guards of the rules: 零 before 1 to 9 and before the
// round tens 10, 20 and 30; 壹 before the teens; the other tens as they are.
// `months` leaves the 零 off 3 to 9, which cannot be lengthened into a month.
std::u16string guarded(int value, bool months)
{
    std::u16string text;
    const int tens = value / 10;
    const int ones = value % 10;
    const bool zeroGuard = tens == 0 ? !months || value <= 2 : ones == 0 && (!months || value == 10);
    if (zeroGuard)
        text += kZero;
    if (tens > 0) {
        text += capital(tens);
        text += kTen;
    }
    if (ones > 0)
        text += capital(ones);
    return text;
}

} // namespace

ChequeDate writeChequeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        return {{}, u"年份应为1至9999"};
    if (month < 1 || month > 12)
        return {{}, u"月份应为1至12"};
    if (day < 1 || day > daysIn(year, month))
        return {{}, u"这个月没有这一天"};
    ChequeDate date;
    const int digits[] = {year / 1000, year / 100 % 10, year / 10 % 10, year % 10};
    bool started = false;
    for (const int digit : digits) {
        started = started || digit != 0;
        if (started)
            date.text += capital(digit);
    }
    date.text += u"年";
    date.text += guarded(month, true);
    date.text += u"月";
    date.text += guarded(day, false);
    date.text += u"日";
    return date;
}

} // namespace qhj::conversion
