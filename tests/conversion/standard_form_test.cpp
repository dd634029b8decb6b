#include "conversion/standard_form.h"

#include "conversion/figures.h"
#include "conversion/pair_check.h"

#include "support/conversion_table.h"
#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using testing::Case;
using qhj::testing::kFailureBox;
using qhj::testing::kWarningBox;
using qhj::testing::toUtf8;

void show(runtime::MessageBox& box, const qhj::testing::ExpectedNotice& notice)
{
    box.msgBox(notice.prompt, runtime::MsgBoxStyle::kExclamation, notice.title);
}

// The standard form as qinghejian-convert --standard writes it, its notices
// shown as boxes so that the tables read like the window form's: the
// extra-decimals warning for decimals cut, the failure notice for figures
// that cannot be read.
std::u16string standardForm(std::u16string_view input, runtime::MessageBox& box)
{
    const FiguresReading reading = readFigures(input, ExtraDecimals::kCut);
    if (reading.cut)
        show(box, qhj::testing::kExtraDecimalsNotice);
    if (!reading.readable) {
        show(box, qhj::testing::kFailureNotice);
        return {};
    }
    return standardText(reading.amount);
}

void expectTable(const std::vector<Case>& table)
{
    testing::expectTable(standardForm, table);
    for (const Case& c : table) {
        if (!c.boxes.empty())
            continue;
        // The expected text says the amount typed and breaks no rule.
        const PairCheck check = checkPair(c.input, c.result);
        EXPECT_EQ(check.verdict, Verdict::kAgree) << toUtf8(c.input);
        EXPECT_EQ(check.findings, 0u) << toUtf8(c.input);
    }
}

// Every example the issue gives.
TEST(StandardFormTable, IssueExamples)
{
    expectTable(
        {Case{u"1409.50", u"壹仟肆佰零玖元伍角整", {}}, Case{u"6007.14", u"陆仟零柒元壹角肆分", {}},
         Case{u"1680.32", u"壹仟陆佰捌拾元零叁角贰分", {}}, Case{u"107000.53", u"壹拾万柒仟元零伍角叁分", {}},
         Case{u"16409.02", u"壹万陆仟肆佰零玖元零贰分", {}}, Case{u"325.04", u"叁佰贰拾伍元零肆分", {}},
         Case{u"100", u"壹佰元整", {}}, Case{u"0012", u"壹拾贰元整", {}}, Case{u"0", u"零元整", {}},
         Case{u"0.5", u"伍角整", {}}, Case{u"0.05", u"伍分", {}}, Case{u"10.5", u"壹拾元零伍角整", {}},
         Case{u"10.05", u"壹拾元零伍分", {}}, Case{u"100010000", u"壹亿零壹万元整", {}},
         Case{u"1000000001", u"壹拾亿零壹元整", {}},
         Case{u"999999999999.99", u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分", {}}});
}

TEST(StandardFormTable, StartInput)
{
    expectTable({Case{u"123456.78", u"壹拾贰万叁仟肆佰伍拾陆元柒角捌分", {}}});
}

// Groups of four zeros, groups that begin or end with zeros, runs of zeros.
TEST(StandardFormTable, ZeroGroups)
{
    expectTable({Case{u"10", u"壹拾元整", {}}, Case{u"101", u"壹佰零壹元整", {}},
                 Case{u"1001", u"壹仟零壹元整", {}}, Case{u"1010", u"壹仟零壹拾元整", {}},
                 Case{u"10000", u"壹万元整", {}}, Case{u"10001", u"壹万零壹元整", {}},
                 Case{u"10010", u"壹万零壹拾元整", {}}, Case{u"10100", u"壹万零壹佰元整", {}},
                 Case{u"11000", u"壹万壹仟元整", {}}, Case{u"100000", u"壹拾万元整", {}},
                 Case{u"1000100", u"壹佰万零壹佰元整", {}}, Case{u"10001000", u"壹仟万壹仟元整", {}},
                 Case{u"100000000", u"壹亿元整", {}}, Case{u"100000001", u"壹亿零壹元整", {}},
                 // The 万 group is left out and the 元 group begins with a digit.
                 Case{u"100001000", u"壹亿壹仟元整", {}}, Case{u"100100000", u"壹亿零壹拾万元整", {}},
                 Case{u"101000000", u"壹亿零壹佰万元整", {}}, Case{u"110000000", u"壹亿壹仟万元整", {}},
                 Case{u"1000000000", u"壹拾亿元整", {}}, Case{u"100000000000", u"壹仟亿元整", {}},
                 Case{u"100000000001", u"壹仟亿零壹元整", {}},
                 Case{u"100010001000", u"壹仟亿壹仟万壹仟元整", {}},
                 Case{u"100000011000", u"壹仟亿零壹万壹仟元整", {}},
                 Case{u"100001001000", u"壹仟亿零壹佰万壹仟元整", {}},
                 Case{u"101010101010", u"壹仟零壹拾亿壹仟零壹拾万壹仟零壹拾元整", {}},
                 Case{u"909090909090", u"玖仟零玖拾亿玖仟零玖拾万玖仟零玖拾元整", {}},
                 Case{u"000000000000", u"零元整", {}}, Case{u"000000000001", u"壹元整", {}},
                 Case{u"000100000000.10", u"壹亿元零壹角整", {}}});
}

TEST(StandardFormTable, Fractions)
{
    expectTable({Case{u"5.", u"伍元整", {}},
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
                 Case{u"12.3456a", u"", {kFailureBox}},
                 Case{u"0.001", u"零元整", {kWarningBox}},
                 Case{u"0.059", u"伍分", {kWarningBox}}});
}

// Beyond 仟亿, where the 亿s are counted in 万s, and with a sign.
TEST(StandardFormTable, WanYiAndNegatives)
{
    expectTable(
        {Case{u"1000000000000", u"壹万亿元整", {}},
         Case{u"1009876543210", u"壹万零玖拾捌亿柒仟陆佰伍拾肆万叁仟贰佰壹拾元整", {}},
         Case{u"1000000010000", u"壹万亿零壹万元整", {}}, Case{u"1000100000000", u"壹万零壹亿元整", {}},
         Case{u"20100000000000", u"贰拾万壹仟亿元整", {}}, Case{u"1000000100000000", u"壹仟万零壹亿元整", {}},
         Case{u"9999999999999999.99",
              u"玖仟玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分",
              {}},
         Case{u"-0.1", u"负壹角整", {}}, Case{u"-1,409.50", u"负壹仟肆佰零玖元伍角整", {}},
         Case{u"-0", u"零元整", {}}});
    EXPECT_EQ(toUtf8(standardText(Amount{100, 0, 0, true}, Prefix::kRenminbi)), "人民币负壹佰元整");
}

} // namespace
} // namespace qhj::conversion
