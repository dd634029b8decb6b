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
    std::u16string_view text; // empty: invalid
};

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
        {2023, 2, 29, u""},
        {1900, 2, 29, u""},
        {2026, 2, 30, u""},
        {2026, 4, 31, u""},
        {2026, 0, 1, u""},
        {2026, 13, 1, u""},
        {2026, 1, 0, u""},
        {2026, 1, 32, u""},
        {0, 1, 1, u""},
    };
    for (const Date& d : table) {
        const ChequeDate date = writeChequeDate(d.year, d.month, d.day);
        SCOPED_TRACE(std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day));
        EXPECT_EQ(toUtf8(date.text), toUtf8(d.text));
        EXPECT_EQ(date.error.empty(), !d.text.empty());
    }
}

} // namespace
} // namespace qhj::conversion
