#include "window/form1.h"

#include <gtest/gtest.h>

namespace qhj::window {
namespace {

TEST(Form1Test, TabOrderFollowsTabIndicesAndSkipsLabels)
{
    constexpr auto order = tabOrder();
    EXPECT_EQ(order, (std::array<std::string_view, 4>{"Command2", "Text2", "Text1", "Command1"}));
}

struct PixelCase {
    int dpi;
    int twips;
    int pixels;
};

TEST(Form1Test, TwipsBecomePixelsRoundedToNearest)
{
    const PixelCase cases[] = {
        {96, 6810, 454}, {96, 1350, 90}, {96, 5400, 360}, {96, 1215, 81},
        {96, 773, 52},   {144, 773, 77}, {120, 375, 31},  {192, 6810, 908},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(Form1Test, EveryControlLiesInsideTheClientArea)
{
    for (const ControlSpec& entry : Form1.controls) {
        EXPECT_GE(entry.left, 0) << entry.name;
        EXPECT_GE(entry.top, 0) << entry.name;
        EXPECT_LE(entry.left + entry.width, Form1.clientWidth) << entry.name;
        EXPECT_LE(entry.top + entry.height, Form1.clientHeight) << entry.name;
    }
}

TEST(Form1Test, EachTextBoxIsNamedByItsLabelWithoutTheColon)
{
    const std::pair<std::string_view, std::u16string_view> expected[] = {
        {"Text1", u"输入数字"},
        {"Text2", u"大写数字"},
    };
    for (const auto& [box, name] : expected) {
        const auto label = labelIndexFor(box);
        ASSERT_TRUE(label) << box;
        EXPECT_EQ(Form1.controls[*label].kind, ControlKind::kLabel);
        EXPECT_EQ(nameFromCaption(Form1.controls[*label].text), name) << box;
    }
    EXPECT_FALSE(labelIndexFor("Command1"));
}

} // namespace
} // namespace qhj::window
