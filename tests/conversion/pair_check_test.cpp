#include "conversion/pair_check.h"

#include "support/recording_runtime.h"

#include <utility>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using qhj::testing::toUtf8;

struct Pair {
    std::u16string_view figures;
    std::u16string_view capitals;
    Verdict verdict;
    std::vector<Finding> findings;
};

TEST(PairCheckTable, FindsWhatTheCapitalsBreak)
{
    const Pair table[] = {
        // Nothing the rules leave free is a finding.
        {u"100", u"壹佰零拾零圆整", Verdict::kAgree, {}},
        {u"0.05", u"零角伍分", Verdict::kAgree, {}},
        {u"1680.32", u"壹仟陆佰捌拾元叁角贰分", Verdict::kAgree, {}},
        {u"1680.32", u"壹仟陆佰捌拾元零叁角贰分", Verdict::kAgree, {}},
        {u"107000.53", u"壹拾万柒仟元伍角叁分", Verdict::kAgree, {}},
        {u"107000.53", u"壹拾万零柒仟元伍角叁分", Verdict::kAgree, {}},
        {u"100000001", u"壹亿零壹元整", Verdict::kAgree, {}},
        {u"1409.5", u"人民币壹仟肆佰零玖圓伍角", Verdict::kAgree, {}},
        {u"10.05", u"壹拾元零伍分", Verdict::kAgree, {}},
        // What they break.
        {u"1409", u"壹仟肆佰玖元整", Verdict::kAgree, {Finding::kNoZeroBetween}},
        {u"100700", u"壹拾万柒佰元整", Verdict::kAgree, {Finding::kNoZeroBetween}},
        {u"100000000001", u"壹仟亿壹元整", Verdict::kAgree, {Finding::kNoZeroBetween}},
        {u"10.05", u"壹拾元伍分", Verdict::kAgree, {Finding::kNoZeroForJiao}},
        {u"1600.05", u"壹仟陆佰元伍分", Verdict::kAgree, {Finding::kNoZeroForJiao}},
        {u"10", u"拾元整", Verdict::kAgree, {Finding::kBareLeadingShi}},
        {u"100.25", u"壹佰元贰角伍分整", Verdict::kAgree, {Finding::kCloseAfterFen}},
        {u"123456.78", u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整", Verdict::kAgree, {Finding::kCloseAfterFen}},
        {u"100", u"壹佰元", Verdict::kAgree, {Finding::kNoCloseAtYuan}},
        {u"1409", u"壹仟肆佰玖元", Verdict::kAgree, {Finding::kNoCloseAtYuan, Finding::kNoZeroBetween}},
        // The capitals follow 人民币 closely, after a colon too.
        {u"1409.50", u"人民币 壹仟肆佰零玖元伍角", Verdict::kAgree, {Finding::kBlankAfterRenminbi}},
        {u"1409.50", u"人民币：　壹仟肆佰零玖元伍角", Verdict::kAgree, {Finding::kBlankAfterRenminbi}},
        {u"1409.50", u"人民币：壹仟肆佰零玖元伍角", Verdict::kAgree, {}},
        // Not the same amount, or not readable.
        {u"1680.32", u"壹仟陆佰捌拾元叁角", Verdict::kDisagree, {}},
        {u"1680.32", u"壹仟陆佰零捌元叁角贰分", Verdict::kDisagree, {}},
        {u"12a", u"壹拾贰元整", Verdict::kUnreadable, {}},
        {u"12", u"壹拾贰", Verdict::kUnreadable, {}},
        // Figures as people write them; a sign must be on both sides.
        {u" ￥1,409.50 ", u"人民币：壹仟肆佰零玖元伍角整", Verdict::kAgree, {}},
        {u"-1409.50", u"负壹仟肆佰零玖元伍角整", Verdict::kAgree, {}},
        {u"-1409.50", u"壹仟肆佰零玖元伍角整", Verdict::kDisagree, {}},
        {u"1409.50", u"负壹仟肆佰零玖元伍角整", Verdict::kDisagree, {}},
        {u"-0", u"零元整", Verdict::kAgree, {}},
        {u"1000000000000", u"壹万亿元整", Verdict::kAgree, {}},
        {u"20100000000000", u"贰拾万壹仟亿元整", Verdict::kAgree, {}},
        {u"12.34,56", u"壹拾贰元叁角肆分", Verdict::kUnreadable, {}},
        {u"1.234", u"壹元贰角叁分", Verdict::kUnreadable, {}},
    };
    for (const Pair& p : table) {
        SCOPED_TRACE(toUtf8(p.figures) + " " + toUtf8(p.capitals));
        const PairCheck check = checkPair(p.figures, p.capitals);
        EXPECT_EQ(check.verdict, p.verdict);
        unsigned findings = 0;
        for (const Finding f : p.findings)
            findings |= static_cast<unsigned>(f);
        EXPECT_EQ(check.findings, findings);
    }
}

// The verdict lines qinghejian-convert prints, each from one pair.
TEST(PairCheckTable, VerdictLines)
{
    const std::pair<std::u16string_view, std::u16string_view> table[][2] = {
        {{u"1680.32", u"壹仟陆佰捌拾元叁角贰分"}, {u"一致", u""}},
        {{u"10.05", u"壹拾元伍分"}, {u"一致；角位为零而分位不为零时，元后应写零", u""}},
        {{u"1", u"壹元贰角"}, {u"不一致；小写为1.00，大写为1.20", u""}},
        {{u"-1", u"壹元整"}, {u"不一致；小写为-1.00，大写为1.00", u""}},
        {{u"1.2.3", u"壹元整"}, {u"无法识别；小写第4个字符：小数点只能有一个", u""}},
        {{u"1", u"壹圆伍"}, {u"无法识别；大写第3个字符：数字后缺少单位", u""}},
        {{u"1", u"  "}, {u"无法识别；缺少大写金额", u""}},
    };
    for (const auto& row : table) {
        const PairCheck check = checkPair(row[0].first, row[0].second);
        EXPECT_EQ(toUtf8(verdictLine(check)), toUtf8(row[1].first)) << toUtf8(row[0].first);
        EXPECT_EQ(passes(check), row[1].first == u"一致") << toUtf8(row[0].first);
    }
}

} // namespace
} // namespace qhj::conversion
