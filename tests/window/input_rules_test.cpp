// The window's input rules: what fails, with which notices, and text of any
// length is answered at once. The standard form reads figures by rules of
// its own (figures_test.cpp).
#include "window/convert_amount.h"

#include "support/recording_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qhj::window {
namespace {

using qhj::testing::RecordingRuntime;
using qhj::testing::ShownBox;
using qhj::testing::kFailureBox;
using qhj::testing::kMorePointsBox;
using qhj::testing::kWarningBox;
using qhj::testing::toUtf8;

struct Failure {
    std::u16string input;
    std::vector<ShownBox> boxes;
};

TEST(InputRulesTable, WhatFailsAndWithWhichNotices)
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
        SCOPED_TRACE("input \"" + toUtf8(f.input) + "\"");
        RecordingRuntime rt;
        EXPECT_EQ(toUtf8(ConvertAmount(f.input, rt)), "");
        EXPECT_EQ(rt.boxes, f.boxes);
    }
}

// Full-width digits, which a user's input method may give, count as
// digits. Not in the window table: Qt's test types its inputs key by key,
// and its keyboard has no such keys.
TEST(InputRulesTable, FullWidthDigits)
{
    const std::vector<std::pair<std::u16string, std::string>> table{
        {u"１２.５", "壹拾贰圆伍角整"}, {u"０９", "零拾玖圆整"}, {u"1２3.４5", "壹佰贰拾叁圆肆角伍分整"}};
    for (const auto& [input, result] : table) {
        RecordingRuntime rt;
        EXPECT_EQ(toUtf8(ConvertAmount(input, rt)), result);
        EXPECT_TRUE(rt.boxes.empty());
    }
}

TEST(InputRulesTest, DoNotKeepStateBetweenCalls)
{
    RecordingRuntime rt;
    EXPECT_EQ(toUtf8(ConvertAmount(u"1.234", rt)), "壹圆贰角叁分整");
    EXPECT_EQ(toUtf8(ConvertAmount(u"1.234", rt)), "壹圆贰角叁分整");
    EXPECT_EQ(rt.boxes, (std::vector<ShownBox>{kWarningBox, kWarningBox}));
}

struct HugeCase {
    const char* name;
    std::u16string input;
    std::u16string windowForm;
    std::vector<ShownBox> boxes;
};

// Pasted text has no length limit; how fast ten million characters come
// back is make bench's to measure.
TEST(InputRulesTest, HugeInputs)
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
        EXPECT_EQ(toUtf8(ConvertAmount(c.input, rt)), toUtf8(c.windowForm)) << c.name;
        EXPECT_EQ(rt.boxes, c.boxes) << c.name;
    }
}

} // namespace
} // namespace qhj::window
