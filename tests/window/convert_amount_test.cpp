#include "window/convert_amount.h"

#include "support/conversion_table.h"
#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::window {
namespace {

using conversion::testing::Case;
using qhj::testing::kFailureBox;
using qhj::testing::kWarningBox;

void expectTable(const std::vector<Case>& table)
{
    conversion::testing::expectTable(ConvertAmount, table);
}

TEST(ConvertAmountTable, PositionalForm)
{
    expectTable(
        {Case{u"123456.78", u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整", {}}, Case{u"0", u"零圆整", {}},
         Case{u"10", u"壹拾零圆整", {}}, Case{u"100", u"壹佰零拾零圆整", {}},
         Case{u"0012", u"零仟零佰壹拾贰圆整", {}},
         Case{u"100000000", u"壹亿零仟零佰零拾零万零仟零佰零拾零圆整", {}},
         Case{u"999999999999", u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整", {}},
         Case{u"000000000000.00", u"零仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆零角零分整", {}}});
}

TEST(ConvertAmountTable, Fractions)
{
    expectTable({Case{u"5.", u"伍圆整", {}}, Case{u".5", u"伍角整", {}}, Case{u"0.5", u"零圆伍角整", {}},
                 Case{u"1.05", u"壹圆零角伍分整", {}}, Case{u"1.50", u"壹圆伍角零分整", {}},
                 Case{u".05", u"零角伍分整", {}}, Case{u"1.234", u"壹圆贰角叁分整", {kWarningBox}},
                 Case{u"12.3456a", u"壹拾贰圆叁角肆分整", {kWarningBox}},
                 Case{u"1.99999999", u"壹圆玖角玖分整", {kWarningBox}}});
}

TEST(ConvertAmountTable, FullWidthDigits)
{
    expectTable({Case{u"１２.５", u"壹拾贰圆伍角整", {}}, Case{u"０９", u"零拾玖圆整", {}},
                 Case{u"1２3.４5", u"壹佰贰拾叁圆肆角伍分整", {}}});
}

TEST(ConvertAmountTable, TwelveDigits)
{
    expectTable({Case{u"100000000000", u"壹仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆整", {}},
                 Case{u"100000000000.5", u"壹仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆伍角整", {}}});
}

} // namespace
} // namespace qhj::window
