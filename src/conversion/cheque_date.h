// A cheque's date of issue (出票日期) in capitals, as the payment rules
// require against alteration: the year digit by digit, and a leading 零 or
// 壹 where a month or day could otherwise be lengthened.
#pragma once

#include <string>
#include <string_view>

namespace qhj::conversion {

struct ChequeDate {
    std::u16string text;       // 贰零贰陆年壹拾贰月零玖日; empty when invalid
    std::u16string_view error; // why the date is invalid, in Chinese
};

// Whether `year` is a leap year of the Gregorian calendar.
constexpr bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The date, year 1 to 9999; an invalid one (month 13, 2月30日, day 0, year
// 0) gives no text and an error.
ChequeDate writeChequeDate(int year, int month, int day);

inline constexpr std::u16string_view kDateFormat =
    u"日期应写成YYYY-MM-DD、YYYY/MM/DD、YYYY年MM月DD日或YYYYMMDD";

// The date as people type it: 2026-10-20, 2026/10/20, 2026年10月20日 or
// 20261020, with blanks around it; any other text gives kDateFormat.
ChequeDate writeChequeDate(std::u16string_view text);

} // namespace qhj::conversion
