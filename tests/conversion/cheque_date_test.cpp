#include "conversion/cheque_date.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace qhj::conversion {
namespace {

using qhj::testing::toUtf8;

struct Date {
    int year;
    int month;
    int day;
    std::u16string_view text; // empty: invalid, and then why
    std::u16string_view error = {};
};

constexpr std::u16string_view kNoSuchDay = u"这个月没有这一天";
constexpr std::u16string_view kMonth = u"月份应为1至12";
constexpr std::u16string_view kYear = u"年份应为1至9999";

TEST(ChequeDateTable, WritesEveryMonthAndTheGuardedDays)
{
    const Date table[] = {
        {2026, 1, 15, u"贰零贰陆年零壹月壹拾伍日"},
        {2026, 2, 9, u"贰零贰陆年零贰月零玖日"},
        {2026, 3, 1, u"贰零贰陆年叁月零壹日"},
        {2026, 4, 10, u"贰零贰陆年肆月零壹拾日"},
        {2026, 5, 11, u"贰零贰陆年伍月壹拾壹日"},
        {2026, 6, 19, u"贰零贰陆年陆月壹拾玖日"},
        {2026, 7, 20, u"贰零贰陆年柒月零贰拾日"},
        {2026, 8, 21, u"贰零贰陆年捌月贰拾壹日"},
        {2026, 9, 29, u"贰零贰陆年玖月贰拾玖日"},
        {2026, 10, 30, u"贰零贰陆年零壹拾月零叁拾日"},
        {2026, 11, 30, u"贰零贰陆年壹拾壹月零叁拾日"},
        {2026, 12, 31, u"贰零贰陆年壹拾贰月叁拾壹日"},
        {2000, 1, 1, u"贰零零零年零壹月零壹日"},
        // Leap years: every fourth, but not every hundredth, but every 400th.
        {2024, 2, 29, u"贰零贰肆年零贰月贰拾玖日"},
        {2000, 2, 29, u"贰零零零年零贰月贰拾玖日"},
        {2023, 2, 29, u"", kNoSuchDay},
        {1900, 2, 29, u"", kNoSuchDay},
        {2026, 2, 30, u"", kNoSuchDay},
        {2026, 4, 31, u"", kNoSuchDay},
        {2026, 0, 1, u"", kMonth},
        {2026, 13, 1, u"", kMonth},
        {2026, 1, 0, u"", kNoSuchDay},
        {2026, 1, 32, u"", kNoSuchDay},
        {0, 1, 1, u"", kYear},
        {10000, 1, 1, u"", kYear},
    };
    for (const Date& d : table) {
        const ChequeDate date = writeChequeDate(d.year, d.month, d.day);
        SCOPED_TRACE(std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day));
        EXPECT_EQ(toUtf8(date.text), toUtf8(d.text));
        EXPECT_EQ(toUtf8(date.error), toUtf8(d.error));
    }
}

TEST(ChequeDateTable, ReadsTheDateAsPeopleTypeIt)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view written; // empty: refused, as no date at all
    };
    const Case table[] = {
        {u"2026-10-20", u"贰零贰陆年零壹拾月零贰拾日"},
        {u" 2026/1/9\t", u"贰零贰陆年零壹月零玖日"},
        {u"2026年10月20日", u"贰零贰陆年零壹拾月零贰拾日"},
        {u"20261020", u"贰零贰陆年零壹拾月零贰拾日"},
        {u"2026-10/20", u""},
        {u"2026年10-20日", u""},
        {u"2026-100-20", u""},
        {u"26-10-20", u""},
        {u"2026.10.20", u""},
        {u"2026-10-20x", u""},
        {u"2026102", u""},
        {u"", u""},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(toUtf8(c.text));
        const ChequeDate date = writeChequeDate(c.text);
        EXPECT_EQ(toUtf8(date.text), toUtf8(c.written));
        if (c.written.empty()) {
            EXPECT_EQ(toUtf8(date.error), "日期应写成YYYY-MM-DD、YYYY/MM/DD、YYYY年MM月DD日或YYYYMMDD");
        }
    }
    EXPECT_EQ(toUtf8(writeChequeDate(u"2026-02-30").error), "这个月没有这一天");
}

} // namespace
} // namespace qhj::conversion
