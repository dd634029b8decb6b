// The input rules both written forms share: what fails, with which notices,
// fails in the window's form and in the standard form alike, and text of
// any length is answered at once.
#include "conversion/amount_conversion.h"
#include "conversion/standard_form.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using qhj::testing::RecordingRuntime;
using qhj::testing::ShownBox;
using qhj::testing::kFailureBox;
using qhj::testing::kMorePointsBox;
using qhj::testing::kWarningBox;
using qhj::testing::toUtf8;

using Converter = std::u16string (*)(std::u16string_view, runtime::MessageBox&);
constexpr Converter kBothForms[] = {ConvertAmount, convertAmountStandard};

struct Failure {
    std::u16string input;
    std::vector<ShownBox> boxes;
};

TEST(InputRulesTable, TheSameInputsFailInBothForms)
{
    const std::vector<Failure> table{
        {u"1000000000000", {kFailureBox}},
        {u"9999999999999", {kFailureBox}},
        {u"0000000000000", {kFailureBox}},
        {u"0000000000000.5", {kFailureBox}},
        {u"12a", {kFailureBox}},
        {u"-5", {kFailureBox}},
        {u" 5", {kFailureBox}},
        {u"5 ", {kFailureBox}},
        {u"1,000", {kFailureBox}},
        {u"¥5", {kFailureBox}},
        {u"1.a", {kFailureBox}},
        {u"1.5a", {kFailureBox}},
        {u"1.a23", {kWarningBox, kFailureBox}},
        // The integer part is read in full before the fraction is looked at.
        {u"1a.234", {kFailureBox}},
        {u"1000000000000.234", {kFailureBox}},
        // Mended: these used to give a bare closing mark, which reads as an amount.
        {u"", {kFailureBox}},
        {u".", {kFailureBox}},
        {u"1.2.3", {kMorePointsBox}},
        {u"a.b.c", {kMorePointsBox}},
        {u"..", {kMorePointsBox}},
        {u"12.34.", {kMorePointsBox}},
        // The full-width point is no decimal point; neighbours of the digits are no digits.
        {u"1．5", {kFailureBox}},
        {u"/", {kFailureBox}},
        {u":", {kFailureBox}},
        {u"\uFF0F", {kFailureBox}},
        {u"\uFF1A", {kFailureBox}},
        {u"٣", {kFailureBox}},
        // Lengths count UTF-16 code units, so a character outside the BMP is two.
        {u"1.2😀", {kWarningBox, kFailureBox}},
        {u"1.😀", {kFailureBox}},
        {u"😀", {kFailureBox}},
    };
    for (const Failure& f : table) {
        for (const Converter convert : kBothForms) {
            SCOPED_TRACE("input \"" + toUtf8(f.input) + "\"");
            RecordingRuntime rt;
            EXPECT_EQ(toUtf8(convert(f.input, rt)), "");
            EXPECT_EQ(rt.boxes, f.boxes);
        }
    }
}

TEST(InputRulesTest, DoNotKeepStateBetweenCalls)
{
    for (const Converter convert : kBothForms) {
        RecordingRuntime rt;
        EXPECT_EQ(convert(u"1.234", rt), convert(u"1.234", rt));
        EXPECT_EQ(rt.boxes, (std::vector<ShownBox>{kWarningBox, kWarningBox}));
    }
}

struct HugeCase {
    const char* name;
    std::u16string input;
    std::u16string windowForm;
    std::u16string standardForm;
    std::vector<ShownBox> boxes;
};

// Pasted text has no length limit, so ten million characters must come back
// at once; a quadratic split or a copy per piece would not.
TEST(InputRulesTest, HugeInputsAnswerQuickly)
{
    constexpr std::size_t kSize = 10'000'000;
    std::u16string mixed;
    mixed.reserve(kSize);
    while (mixed.size() < kSize)
        mixed += u"12.";
    const std::vector<HugeCase> cases{
        {"digits", std::u16string(kSize, u'7'), u"", u"", {kFailureBox}},
        {"points", std::u16string(kSize, u'.'), u"", u"", {kMorePointsBox}},
        {"mixed", mixed, u"", u"", {kMorePointsBox}},
        {"long fraction",
         u"3." + std::u16string(kSize, u'4'),
         u"叁圆肆角肆分整",
         u"叁元肆角肆分",
         {kWarningBox}},
        {"long fraction, bad integer", u"x." + std::u16string(kSize, u'4'), u"", u"", {kFailureBox}},
    };
    for (const HugeCase& c : cases) {
        for (const Converter convert : kBothForms) {
            RecordingRuntime rt;
            const auto start = std::chrono::steady_clock::now();
            const std::u16string result = convert(c.input, rt);
            const auto elapsed = std::chrono::steady_clock::now() - start;
            EXPECT_EQ(toUtf8(result), toUtf8(convert == ConvertAmount ? c.windowForm : c.standardForm))
                << c.name;
            EXPECT_EQ(rt.boxes, c.boxes) << c.name;
            EXPECT_LT(elapsed, std::chrono::seconds(1)) << c.name;
        }
    }
}

} // namespace
} // namespace qhj::conversion
