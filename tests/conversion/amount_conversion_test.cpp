#include "conversion/amount_conversion.h"

#include "support/capital_reader.h"
#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace qhj::conversion {
namespace {

using runtime::MsgBoxStyle;
using testing::RecordingRuntime;
using testing::ShownBox;
using testing::kFailureBox;
using testing::kWarningBox;
using testing::kMorePointsBox;
using testing::toUtf8;


struct Case {
    std::u16string input;
    std::u16string result;
    std::vector<ShownBox> boxes;
};

void PrintTo(const Case& c, std::ostream* out) { *out << '"' << toUtf8(c.input) << '"'; }

class ConvertAmountTest : public ::testing::TestWithParam<Case> {};

TEST_P(ConvertAmountTest, GivesResultAndNoticesInOrder)
{
    const Case& c = GetParam();
    RecordingRuntime rt;
    const std::u16string result = ConvertAmount(c.input, rt);
    EXPECT_EQ(toUtf8(result), toUtf8(c.result));
    EXPECT_EQ(rt.boxes, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(PositionalForm, ConvertAmountTest, ::testing::Values(
    Case{u"123456.78", u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整", {}},
    Case{u"0", u"零圆整", {}},
    Case{u"10", u"壹拾零圆整", {}},
    Case{u"100", u"壹佰零拾零圆整", {}},
    Case{u"0012", u"零仟零佰壹拾贰圆整", {}},
    Case{u"100000000", u"壹亿零仟零佰零拾零万零仟零佰零拾零圆整", {}},
    Case{u"999999999999", u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整", {}},
    Case{u"000000000000.00", u"零仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆零角零分整", {}}));

INSTANTIATE_TEST_SUITE_P(Fractions, ConvertAmountTest, ::testing::Values(
    Case{u"5.", u"伍圆整", {}},
    Case{u".5", u"伍角整", {}},
    Case{u"0.5", u"零圆伍角整", {}},
    Case{u"1.05", u"壹圆零角伍分整", {}},
    Case{u"1.50", u"壹圆伍角零分整", {}},
    Case{u".05", u"零角伍分整", {}},
    Case{u"1.234", u"壹圆贰角叁分整", {kWarningBox}},
    Case{u"12.3456a", u"壹拾贰圆叁角肆分整", {kWarningBox}},
    Case{u"1.99999999", u"壹圆玖角玖分整", {kWarningBox}}));

INSTANTIATE_TEST_SUITE_P(Failures, ConvertAmountTest, ::testing::Values(
    Case{u"1000000000000", u"", {kFailureBox}},
    Case{u"12a", u"", {kFailureBox}},
    Case{u"-5", u"", {kFailureBox}},
    Case{u" 5", u"", {kFailureBox}},
    Case{u"5 ", u"", {kFailureBox}},
    Case{u"1,000", u"", {kFailureBox}},
    Case{u"¥5", u"", {kFailureBox}},
    Case{u"1.a", u"", {kFailureBox}},
    Case{u"1.5a", u"", {kFailureBox}},
    Case{u"1.a23", u"", {kWarningBox, kFailureBox}},
    // The integer part is read in full before the fraction is looked at.
    Case{u"1a.234", u"", {kFailureBox}},
    Case{u"1000000000000.234", u"", {kFailureBox}}));

// Mended: these used to give a bare closing mark, which reads as an amount.
INSTANTIATE_TEST_SUITE_P(NothingToConvert, ConvertAmountTest, ::testing::Values(
    Case{u"", u"", {kFailureBox}},
    Case{u".", u"", {kFailureBox}},
    Case{u"1.2.3", u"", {kMorePointsBox}},
    Case{u"a.b.c", u"", {kMorePointsBox}},
    Case{u"..", u"", {kMorePointsBox}},
    Case{u"12.34.", u"", {kMorePointsBox}}));

INSTANTIATE_TEST_SUITE_P(FullWidthDigits, ConvertAmountTest, ::testing::Values(
    Case{u"１２.５", u"壹拾贰圆伍角整", {}},
    Case{u"０９", u"零拾玖圆整", {}},
    Case{u"1２3.４5", u"壹佰贰拾叁圆肆角伍分整", {}},
    // The full-width point is not a decimal point.
    Case{u"1．5", u"", {kFailureBox}},
    // Neighbours of the digit ranges.
    Case{u"/", u"", {kFailureBox}},
    Case{u":", u"", {kFailureBox}},
    Case{u"\uFF0F", u"", {kFailureBox}},
    Case{u"\uFF1A", u"", {kFailureBox}},
    Case{u"٣", u"", {kFailureBox}}));

// Lengths count UTF-16 code units, so a character outside the BMP is two.
INSTANTIATE_TEST_SUITE_P(CodeUnits, ConvertAmountTest, ::testing::Values(
    Case{u"1.2😀", u"", {kWarningBox, kFailureBox}},
    Case{u"1.😀", u"", {kFailureBox}},
    Case{u"😀", u"", {kFailureBox}}));

INSTANTIATE_TEST_SUITE_P(TwelveOrThirteen, ConvertAmountTest, ::testing::Values(
    Case{u"100000000000", u"壹仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆整", {}},
    Case{u"100000000000.5", u"壹仟零佰零拾零亿零仟零佰零拾零万零仟零佰零拾零圆伍角整", {}},
    Case{u"9999999999999", u"", {kFailureBox}},
    Case{u"0000000000000", u"", {kFailureBox}},
    Case{u"0000000000000.5", u"", {kFailureBox}}));

TEST(ConvertAmountTest, DoesNotKeepStateBetweenCalls)
{
    RecordingRuntime rt;
    EXPECT_EQ(ConvertAmount(u"1.234", rt), ConvertAmount(u"1.234", rt));
    EXPECT_EQ(rt.boxes, (std::vector<ShownBox>{kWarningBox, kWarningBox}));
}

TEST(ConvertAmountTest, EveryTwelveDigitAmountReadsBack)
{
    // Stride through the twelve-digit range so every place sees every digit.
    std::uint64_t value = 0;
    for (int step = 0; step < 2000; ++step) {
        value = (value * 6364136223846793005ULL + 1442695040888963407ULL);
        const std::string digits = std::to_string(value % 1000000000000ULL);
        const std::string fraction = std::to_string(value % 100);
        std::u16string input(digits.begin(), digits.end());
        input += u'.';
        input.append(fraction.begin(), fraction.end());
        RecordingRuntime rt;
        const auto read = testing::readCapitalAmount(ConvertAmount(input, rt));
        ASSERT_TRUE(read) << digits;
        EXPECT_EQ(read->integerDigits, std::u16string(digits.begin(), digits.end()));
        EXPECT_EQ(read->fractionDigits, std::u16string(fraction.begin(), fraction.end()));
        EXPECT_TRUE(rt.boxes.empty());
    }
}

struct HugeCase {
    const char* name;
    std::u16string input;
    std::u16string result;
    std::vector<ShownBox> boxes;
};

// Pasted text has no length limit, so ten million characters must come back
// at once; a quadratic split or a copy per piece would not.
TEST(ConvertAmountTest, HugeInputsAnswerQuickly)
{
    constexpr std::size_t kSize = 10'000'000;
    std::u16string mixed;
    mixed.reserve(kSize);
    while (mixed.size() < kSize)
        mixed += u"12.";
    const std::vector<HugeCase> cases{
        {"digits", std::u16string(kSize, u'7'), u"", {kFailureBox}},
        {"points", std::u16string(kSize, u'.'), u"", {kMorePointsBox}},
        {"mixed", mixed, u"", {kMorePointsBox}},
        {"long fraction", u"3." + std::u16string(kSize, u'4'), u"叁圆肆角肆分整", {kWarningBox}},
        {"long fraction, bad integer", u"x." + std::u16string(kSize, u'4'), u"", {kFailureBox}},
    };
    for (const HugeCase& c : cases) {
        RecordingRuntime rt;
        const auto start = std::chrono::steady_clock::now();
        const std::u16string result = ConvertAmount(c.input, rt);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(toUtf8(result), toUtf8(c.result)) << c.name;
        EXPECT_EQ(rt.boxes, c.boxes) << c.name;
        EXPECT_LT(elapsed, std::chrono::seconds(1)) << c.name;
    }
}

} // namespace
} // namespace qhj::conversion
