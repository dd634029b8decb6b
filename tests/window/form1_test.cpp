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
    for (const ControlSpec& spec : Form1.controls) {
        EXPECT_GE(spec.left, 0) << spec.name;
        EXPECT_GE(spec.top, 0) << spec.name;
        EXPECT_LE(spec.left + spec.width, Form1.clientWidth) << spec.name;
        EXPECT_LE(spec.top + spec.height, Form1.clientHeight) << spec.name;
    }
}

} // namespace
} // namespace qhj::window
