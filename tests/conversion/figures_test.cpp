#include "conversion/figures.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace qhj::conversion {
namespace {

using qhj::testing::toUtf8;

struct Row {
    std::u16string input;
    // The amount read, or where and why not.
    Amount amount;
    std::size_t position = 0;
    std::u16string_view reason = {};
    bool cut = false;
};

void expectTable(ExtraDecimals extra, const std::vector<Row>& table)
{
    for (const Row& row : table) {
        SCOPED_TRACE("input \"" + toUtf8(row.input) + "\"");
        const FiguresReading reading = readFigures(row.input, extra);
        EXPECT_EQ(reading.readable, row.reason.empty());
        EXPECT_EQ(toUtf8(reading.reason), toUtf8(row.reason));
        EXPECT_EQ(reading.position, row.position);
        EXPECT_EQ(reading.cut, row.cut);
        if (reading.readable) {
            EXPECT_EQ(reading.amount, row.amount);
        }
    }
}

constexpr std::u16string_view kNotFigure = u"不是小写金额用字";
constexpr std::u16string_view kSign = u"符号只能写在金额前面，且只能写一次";
constexpr std::u16string_view kGrouping = u"千位分隔符应每三位一个";

TEST(FiguresTable, WhatPeopleWrite)
{
    expectTable(ExtraDecimals::kCut,
                {
                    {u"1409.50", {1409, 5, 0}},
                    {u"  1409.50\t", {1409, 5, 0}},
                    {u"\u300012\u3000", {12, 0, 0}},
                    {u"12 ", {12, 0, 0}},
                    {u"1,409.50", {1409, 5, 0}},
                    {u"1，409．50", {1409, 5, 0}},
                    {u"1,234,567", {1234567, 0, 0}},
                    {u"１２.５", {12, 5, 0}},
                    {u"-0.1", {0, 1, 0, true}},
                    {u"－5", {5, 0, 0, true}},
                    {u"\u22125", {5, 0, 0, true}},
                    {u"￥-5", {5, 0, 0, true}},
                    {u"-¥5", {5, 0, 0, true}},
                    {u"-0", {0, 0, 0}},
                    {u".5", {0, 5, 0}},
                    {u"5.", {5, 0, 0}},
                    {u"0012", {12, 0, 0}},
                    {u"9999999999999999.99", {9'999'999'999'999'999, 9, 9}},
                    {u"00000000000000001", {1, 0, 0}},
                    {u"1.234", {1, 2, 3}, 5, u"", true},
                    {u"0.059", {0, 0, 5}, 5, u"", true},
                });
}

TEST(FiguresTable, WhereAndWhyFiguresCannotBeRead)
{
    expectTable(ExtraDecimals::kCut,
                {
                    {u"1.01e3", {}, 5, kNotFigure},
                    {u"1.234abc", {}, 6, kNotFigure},
                    {u"1.23-5", {}, 5, kSign},
                    {u"1409.50元", {}, 8, kNotFigure},
                    {u"12a", {}, 3, kNotFigure},
                    {u"1 2", {}, 2, kNotFigure},
                    {u"--5", {}, 2, kSign},
                    {u"5-", {}, 2, kSign},
                    {u"￥￥5", {}, 2, kSign},
                    {u"1.2.3", {}, 4, u"小数点只能有一个"},
                    {u"14,09.50", {}, 6, kGrouping},
                    {u"1,4095", {}, 7, kGrouping},
                    {u"1234,567", {}, 5, kGrouping},
                    {u",123", {}, 1, kGrouping},
                    {u"12.34,56", {}, 6, kGrouping},
                    {u"12345678901234567", {}, 17, u"整数超过十六位"},
                    {u"", {}, 1, u"没有金额"},
                    {u"  ", {}, 3, u"没有金额"},
                    {u"-", {}, 2, u"没有金额"},
                    {u".", {}, 2, u"没有金额"},
                    {u"1．5．", {}, 4, u"小数点只能有一个"},
                });
}

// A cheque's figures stop at 分: a third decimal is no amount at all.
TEST(FiguresTable, ChequesRefuseAThirdDecimal)
{
    expectTable(ExtraDecimals::kRefuse,
                {
                    {u"1.23", {1, 2, 3}},
                    {u"1.234", {}, 5, u"小数超过两位，支票金额只写到分"},
                    {u"1.230", {}, 5, u"小数超过两位，支票金额只写到分"},
                });
}

// Pasted text has no length limit; how fast it is read is make bench's.
TEST(FiguresTable, HugeInputs)
{
    expectTable(ExtraDecimals::kCut,
                {
                    {std::u16string(10'000'000, u'7'), {}, 17, u"整数超过十六位"},
                    {u"1." + std::u16string(10'000'000, u'4'), {1, 4, 4}, 5, {}, true},
                    {std::u16string(10'000'000, u' ') + u"5", {5, 0, 0}},
                });
}

} // namespace
} // namespace qhj::conversion
