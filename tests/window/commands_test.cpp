#include "window/commands.h"

#include "support/notice_boxes.h"
#include "support/recording_runtime.h"
#include "version/version.h"

#include <gtest/gtest.h>

namespace qhj::window {
namespace {

using runtime::MsgBoxStyle;
using testing::RecordingRuntime;
using testing::ShownBox;
using testing::kFailureBox;
using testing::toUtf8;


TEST(GenerateTest, WritesTheStartInputInCapitals)
{
    RecordingRuntime rt;
    click(control("Command1").command, rt);
    EXPECT_EQ(toUtf8(rt.m_text2.text()), "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整");
    EXPECT_TRUE(rt.boxes.empty());
    EXPECT_EQ(toUtf8(rt.m_text1.text()), "123456.78");
}

TEST(GenerateTest, FailureEmptiesAnEarlierResult)
{
    RecordingRuntime rt;
    generate(rt);
    ASSERT_FALSE(rt.m_text2.text().empty());
    rt.m_text1.setText(u"12a");
    generate(rt);
    EXPECT_EQ(rt.m_text2.text(), u"");
    EXPECT_EQ(rt.boxes, std::vector<ShownBox>{kFailureBox});
}

struct CopyCase {
    const char* name;
    std::u16string text2;
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.name; }

class CopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyTest, PutsExactlyTheWholeResultOnTheClipboardAndLeavesItSelected)
{
    RecordingRuntime rt;
    rt.m_text2.setText(GetParam().text2);
    rt.m_text2.setSelStart(1);
    click(control("Command2").command, rt);
    EXPECT_EQ(rt.m_clipboard.calls, (std::vector<std::string>{"clear", "setText"}));
    ASSERT_TRUE(rt.m_clipboard.contents);
    EXPECT_EQ(toUtf8(*rt.m_clipboard.contents), toUtf8(GetParam().text2));
    EXPECT_EQ(rt.m_text2.selStart(), 0u);
    EXPECT_EQ(rt.m_text2.selLength(), GetParam().text2.size());
    EXPECT_TRUE(rt.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, CopyTest, ::testing::Values(
    CopyCase{"before any generate", u""},
    CopyCase{"a result", u"伍角整"},
    CopyCase{"edited by hand", u"壹圆整 and more"},
    CopyCase{"outside the BMP", u"a😀b"}),
    [](const auto& row) { return "case" + std::to_string(row.index); });

TEST(CopyTest, HeldClipboardGivesANoticeAndKeepsTheResult)
{
    RecordingRuntime rt;
    rt.m_text2.setText(u"伍角整");
    rt.m_clipboard.busy = true;
    copy(rt);
    EXPECT_EQ(rt.m_text2.text(), u"伍角整");
    EXPECT_EQ(rt.m_clipboard.contents, u"before");
    EXPECT_EQ(rt.boxes, (std::vector<ShownBox>{
        {u"复制失败，剪贴板正被其他程序占用，请稍后再试", MsgBoxStyle::kExclamation, u"错误"}}));
    EXPECT_EQ(rt.endCalls, 0);
}

struct MenuCase {
    std::string_view item;
    std::vector<ShownBox> boxes;
    int endCalls;
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.item; }

class MenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuTest, ItemDoesWhatItSays)
{
    RecordingRuntime rt;
    for (const MenuItemSpec& item : Form1.menu.items) {
        if (item.name == GetParam().item)
            click(item.command, rt);
    }
    EXPECT_EQ(rt.boxes, GetParam().boxes);
    EXPECT_EQ(rt.endCalls, GetParam().endCalls);
    EXPECT_EQ(rt.m_text2.text(), u"");
}

INSTANTIATE_TEST_SUITE_P(HelpMenu, MenuTest, ::testing::Values(
    MenuCase{"note",
             {{u"在“输入数字”框中输入人民币金额的阿拉伯数字，可带一个小数点，例如 123456.78。\n"
               u"点击“生成大写”，大写金额显示在“大写数字”框中；点击“复制”，把它复制到剪贴板。\n"
               u"整数部分最多12位，最高到仟亿位；小数只取前两位，即角和分。",
               MsgBoxStyle::kOkOnly, u"青禾笺"}},
             0},
    MenuCase{"copyr", {{u"青禾笺 " QHJ_VERSION_TEXT u"\n作者：墨桐青岚\n墨桐青岚电脑", MsgBoxStyle::kOkOnly, u"青禾笺"}}, 0},
    MenuCase{"exit", {}, 1}),
    [](const auto& row) { return std::string(row.param.item); });

} // namespace
} // namespace qhj::window
