#include "conversion/pair_check.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using qhj::testing::RecordingRuntime;
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
        // Not the same amount, or not readable.
        {u"1680.32", u"壹仟陆佰捌拾元叁角", Verdict::kDisagree, {}},
        {u"1680.32", u"壹仟陆佰零捌元叁角贰分", Verdict::kDisagree, {}},
        {u"12a", u"壹拾贰元整", Verdict::kUnreadable, {}},
        {u"12", u"壹拾贰", Verdict::kUnreadable, {}},
    };
    for (const Pair& p : table) {
        SCOPED_TRACE(toUtf8(p.figures) + " " + toUtf8(p.capitals));
        RecordingRuntime rt;
        const PairCheck check = checkPair(p.figures, p.capitals, rt);
        EXPECT_EQ(check.verdict, p.verdict);
        unsigned findings = 0;
        for (const Finding f : p.findings)
            findings |= static_cast<unsigned>(f);
        EXPECT_EQ(check.findings, findings);
    }
}

TEST(PairCheckTest, SaysWhichSideCannotBeRead)
{
    RecordingRuntime rt;
    const PairCheck figures = checkPair(u"1.2.3", u"壹元整", rt);
    EXPECT_TRUE(figures.figuresUnreadable);
    EXPECT_EQ(rt.boxes, std::vector<qhj::testing::ShownBox>{qhj::testing::kMorePointsBox});
    const PairCheck capitals = checkPair(u"1", u"壹圆伍", rt);
    EXPECT_FALSE(capitals.figuresUnreadable);
    EXPECT_EQ(capitals.position, 3u);
    EXPECT_EQ(toUtf8(capitals.reason), "数字后缺少单位");
    const PairCheck disagree = checkPair(u"１２.５", u"壹拾贰元整", rt);
    EXPECT_EQ(disagree.figures, (Amount{12, 5, 0}));
    EXPECT_EQ(disagree.capitals, (Amount{12, 0, 0}));
}

} // namespace
} // namespace qhj::conversion
