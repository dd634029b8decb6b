#include "conversion/standard_form.h"

#include "conversion_table.h"
#include "support/recording_runtime.h"
#include "support/standard_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using testing::Case;
using qhj::testing::RecordingRuntime;
using qhj::testing::kWarningBox;
using qhj::testing::toUtf8;

void expectTable(const std::vector<Case>& table)
{
    testing::expectTable(ConvertAmountStandard, table);
    for (const Case& c : table) {
        if (c.result.empty())
            continue;
        // The expected text reads back to the amount typed.
        const auto read = qhj::testing::readStandardAmount(c.result);
        EXPECT_TRUE(read) << toUtf8(c.result);
        EXPECT_EQ(read, qhj::testing::amountOf(c.input));
    }
}

// Every example the issue gives.
TEST(StandardFormTable, IssueExamples)
{
    expectTable({
        Case{u"1409.50", u"壹仟肆佰零玖元伍角整", {}},
        Case{u"6007.14", u"陆仟零柒元壹角肆分", {}},
        Case{u"1680.32", u"壹仟陆佰捌拾元零叁角贰分", {}},
        Case{u"107000.53", u"壹拾万柒仟元零伍角叁分", {}},
        Case{u"16409.02", u"壹万陆仟肆佰零玖元零贰分", {}},
        Case{u"325.04", u"叁佰贰拾伍元零肆分", {}},
        Case{u"100", u"壹佰元整", {}},
        Case{u"0012", u"壹拾贰元整", {}},
        Case{u"0", u"零元整", {}},
        Case{u"0.5", u"伍角整", {}},
        Case{u"0.05", u"伍分", {}},
        Case{u"10.5", u"壹拾元零伍角整", {}},
        Case{u"10.05", u"壹拾元零伍分", {}},
        Case{u"100010000", u"壹亿零壹万元整", {}},
        Case{u"1000000001", u"壹拾亿零壹元整", {}},
        Case{u"999999999999.99", u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分", {}}
    });
}

TEST(StandardFormTable, StartInput)
{
    expectTable({
        Case{u"123456.78", u"壹拾贰万叁仟肆佰伍拾陆元柒角捌分", {}}
    });
}

// Groups of four zeros, groups that begin or end with zeros, runs of zeros.
TEST(StandardFormTable, ZeroGroups)
{
    expectTable({
        Case{u"10", u"壹拾元整", {}},
        Case{u"101", u"壹佰零壹元整", {}},
        Case{u"1001", u"壹仟零壹元整", {}},
        Case{u"1010", u"壹仟零壹拾元整", {}},
        Case{u"10000", u"壹万元整", {}},
        Case{u"10001", u"壹万零壹元整", {}},
        Case{u"10010", u"壹万零壹拾元整", {}},
        Case{u"10100", u"壹万零壹佰元整", {}},
        Case{u"11000", u"壹万壹仟元整", {}},
        Case{u"100000", u"壹拾万元整", {}},
        Case{u"1000100", u"壹佰万零壹佰元整", {}},
        Case{u"10001000", u"壹仟万壹仟元整", {}},
        Case{u"100000000", u"壹亿元整", {}},
        Case{u"100000001", u"壹亿零壹元整", {}},
        // The 万 group is left out and the 元 group begins with a digit.
        Case{u"100001000", u"壹亿壹仟元整", {}},
        Case{u"100100000", u"壹亿零壹拾万元整", {}},
        Case{u"101000000", u"壹亿零壹佰万元整", {}},
        Case{u"110000000", u"壹亿壹仟万元整", {}},
        Case{u"1000000000", u"壹拾亿元整", {}},
        Case{u"100000000000", u"壹仟亿元整", {}},
        Case{u"100000000001", u"壹仟亿零壹元整", {}},
        Case{u"100010001000", u"壹仟亿壹仟万壹仟元整", {}},
        Case{u"100000011000", u"壹仟亿零壹万壹仟元整", {}},
        Case{u"100001001000", u"壹仟亿零壹佰万壹仟元整", {}},
        Case{u"101010101010", u"壹仟零壹拾亿壹仟零壹拾万壹仟零壹拾元整", {}},
        Case{u"909090909090", u"玖仟零玖拾亿玖仟零玖拾万玖仟零玖拾元整", {}},
        Case{u"000000000000", u"零元整", {}},
        Case{u"000000000001", u"壹元整", {}},
        Case{u"000100000000.10", u"壹亿元零壹角整", {}}
    });
}

TEST(StandardFormTable, Fractions)
{
    expectTable({
        Case{u"5.", u"伍元整", {}},
        Case{u".5", u"伍角整", {}},
        Case{u".05", u"伍分", {}},
        Case{u".55", u"伍角伍分", {}},
        Case{u".50", u"伍角整", {}},
        Case{u".00", u"零元整", {}},
        Case{u"0.", u"零元整", {}},
        Case{u"1.", u"壹元整", {}},
        Case{u"1.0", u"壹元整", {}},
        Case{u"1.00", u"壹元整", {}},
        Case{u"1.05", u"壹元零伍分", {}},
        Case{u"1.5", u"壹元伍角整", {}},
        Case{u"1.55", u"壹元伍角伍分", {}},
        Case{u"10.00", u"壹拾元整", {}},
        Case{u"10.55", u"壹拾元零伍角伍分", {}},
        Case{u"100000.01", u"壹拾万元零壹分", {}},
        Case{u"１２.５", u"壹拾贰元伍角整", {}},
        Case{u"1.234", u"壹元贰角叁分", {kWarningBox}},
        Case{u"12.3456a", u"壹拾贰元叁角肆分", {kWarningBox}},
        Case{u"0.001", u"零元整", {kWarningBox}},
        Case{u"0.059", u"伍分", {kWarningBox}}
    });
}

// Digits 0 and 5 in every arrangement of up to twelve places, with every
// kind of fraction: each zero pattern the rules speak of.
TEST(StandardFormTest, EveryZeroPatternReadsBack)
{
    const std::vector<std::u16string> fractions{u"", u".", u".0", u".5", u".00", u".05", u".50", u".55"};
    int checked = 0;
    for (int length = 1; length <= 12; ++length) {
        for (std::uint32_t bits = 0; bits < (1u << length); ++bits) {
            std::u16string integer;
            for (int k = length - 1; k >= 0; --k)
                integer += (bits >> k) & 1u ? u'5' : u'0';
            for (const std::u16string& fraction : fractions) {
                const std::u16string input = integer + fraction;
                RecordingRuntime rt;
                const std::u16string result = ConvertAmountStandard(input, rt);
                const auto read = qhj::testing::readStandardAmount(result);
                ASSERT_TRUE(read) << toUtf8(input) << " -> " << toUtf8(result);
                ASSERT_EQ(read, qhj::testing::amountOf(input)) << toUtf8(input);
                ASSERT_TRUE(rt.boxes.empty());
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 8 * 8190);
}

TEST(StandardFormTest, RandomAmountsReadBack)
{
    std::uint64_t state = 88172645463325252ULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int step = 0; step < 50000; ++step) {
        // Lengths from 0 to 12, and about one digit in three a zero.
        const int length = static_cast<int>(next() % 13);
        std::u16string input;
        for (int k = 0; k < length; ++k) {
            const std::uint64_t r = next() % 15;
            input += static_cast<char16_t>(u'0' + (r < 6 ? 0 : r - 6));
        }
        const int decimals = static_cast<int>(next() % 4); // none, ".", one, two
        if (decimals > 0)
            input += u'.';
        for (int j = 1; j < decimals; ++j)
            input += static_cast<char16_t>(u'0' + next() % 10);
        if (input.empty() || input == u".")
            continue;
        RecordingRuntime rt;
        const std::u16string result = ConvertAmountStandard(input, rt);
        const auto read = qhj::testing::readStandardAmount(result);
        ASSERT_TRUE(read) << toUtf8(input) << " -> " << toUtf8(result);
        ASSERT_EQ(read, qhj::testing::amountOf(input)) << toUtf8(input);
    }
}

TEST(StandardFormTest, ReaderRefusesOtherForms)
{
    for (const std::u16string text : {
             u"", u"整", u"元整", u"壹佰零拾零圆整", u"壹佰元", u"壹元伍分", u"壹元零伍分整",
             u"壹拾元伍角整", u"零伍角整", u"零壹元整", u"壹仟零零壹元整", u"壹仟零元整",
             u"壹万零仟元整", u"壹亿零万元整", u"壹亿壹元整", u"壹万元零整", u"壹拾元零壹角零分",
             u"伍角", u"壹元零角伍分", u"壹佰拾元整", u"拾元整", u"壹拾壹拾元整", u"壹万壹亿元整",
             u"壹仟亿零壹万壹仟元整零"}) {
        EXPECT_FALSE(qhj::testing::readStandardAmount(text)) << toUtf8(text);
    }
}

} // namespace
} // namespace qhj::conversion
