// What every binding receives: the result, or the reason as a code, a
// position and words, for each kind of call and each way it can go.
#include "face/face.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qhj::face {
namespace {

using qhj::testing::toUtf8;

struct Case {
    const char* name;
    std::function<Outcome()> call;
    std::u16string text;
    Reason reason;
    std::u16string described; // the message as a binding reports it
};

TEST(FaceTable, ResultsAndReasons)
{
    const std::u16string warning = u"小数点后第二位后的数字将被忽略";
    const std::vector<Case> table{
        {"standard", [] { return toCapitals(u"1409.50"); }, u"壹仟肆佰零玖元伍角整", Reason::kNone, u""},
        {"with 人民币", [] { return toCapitals(u"-0.1", Form::kRenminbi); }, u"人民币负壹角整", Reason::kNone,
         u""},
        {"window", [] { return toCapitals(u"100", Form::kWindow); }, u"壹佰零拾零圆整", Reason::kNone, u""},
        // A cut keeps the rest's result beside its reason; the binding
        // decides whether a cut may pass.
        {"standard, cut", [] { return toCapitals(u"1.234"); }, u"壹元贰角叁分", Reason::kExtraDecimals,
         warning},
        {"window, cut", [] { return toCapitals(u"1.234", Form::kWindow); }, u"壹圆贰角叁分整",
         Reason::kExtraDecimals, warning},
        {"standard, unreadable", [] { return toCapitals(u"1.01e3"); }, u"", Reason::kUnreadable,
         u"第5个字符：不是小写金额用字"},
        // Both of the window's notices, in the order it shows them.
        {"window, unreadable", [] { return toCapitals(u"1.a23", Form::kWindow); }, u"", Reason::kUnreadable,
         warning + u"\n你输入的数字太大或者输入错误，识别失败"},
        {"window, more points", [] { return toCapitals(u"1.2.3", Form::kWindow); }, u"", Reason::kUnreadable,
         u"数字输入出错"},
        {"read", [] { return fromCapitals(u"负壹角整"); }, u"-0.10", Reason::kNone, u""},
        // Odd and even counts of digits, and none above 元.
        {"read, zero", [] { return fromCapitals(u"零元整"); }, u"0.00", Reason::kNone, u""},
        {"read, ten", [] { return fromCapitals(u"壹拾元整"); }, u"10.00", Reason::kNone, u""},
        {"read, hundred", [] { return fromCapitals(u"壹佰元整"); }, u"100.00", Reason::kNone, u""},
        {"read, unreadable", [] { return fromCapitals(u"壹佰零"); }, u"", Reason::kUnreadable,
         u"第3个字符：数字后缺少单位"},
        // Nothing to point at in an empty text.
        {"read, empty", [] { return fromCapitals(u""); }, u"", Reason::kUnreadable, u"没有金额"},
        {"date", [] { return chequeDate(u"2026-10-20"); }, u"贰零贰陆年零壹拾月零贰拾日", Reason::kNone, u""},
        {"date, none such", [] { return chequeDate(2026, 2, 30); }, u"", Reason::kInvalidDate,
         u"这个月没有这一天"},
        {"date, not a date", [] { return chequeDate(u"20.10.2026"); }, u"", Reason::kInvalidDate,
         u"日期应写成YYYY-MM-DD、YYYY/MM/DD、YYYY年MM月DD日或YYYYMMDD"},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = c.call();
        EXPECT_EQ(toUtf8(outcome.text), toUtf8(c.text));
        EXPECT_EQ(outcome.reason, c.reason);
        EXPECT_EQ(outcome.exact(), c.reason == Reason::kNone);
        EXPECT_EQ(toUtf8(describe(outcome)), toUtf8(c.described));
    }
}

struct PairCase {
    std::u16string figures;
    std::u16string capitals;
    std::u16string line;
    bool agrees;
    bool passes;
};

TEST(FaceTable, PairVerdicts)
{
    const std::vector<PairCase> table{
        {u"1409.50", u" 壹仟肆佰零玖元伍角整 ", u"一致", true, true},
        // Agreeing, but without the 零 the rules ask between 仟 and 拾.
        {u"1010", u"壹仟壹拾元整", u"一致；数字中间有零时，应写零", true, false},
        {u"1.00", u"壹元贰角", u"不一致；小写为1.00，大写为1.20", false, false},
        {u"1409.50", u"人民币　壹仟肆佰零玖元伍角", u"一致；大写金额应紧接“人民币”填写，不得留有空白", true,
         false},
        {u"1", u"", u"无法识别；缺少大写金额", false, false},
    };
    for (const PairCase& c : table) {
        SCOPED_TRACE(toUtf8(c.figures + u" " + c.capitals));
        const PairVerdict verdict = checkPair(c.figures, c.capitals);
        EXPECT_EQ(toUtf8(verdict.line), toUtf8(c.line));
        EXPECT_EQ(verdict.agrees, c.agrees);
        EXPECT_EQ(verdict.passes(), c.passes);
    }
}

} // namespace
} // namespace qhj::face
