#include "window/commands.h"

#include "support/recording_runtime.h"
#include "support/window_cases.h"

#include <gtest/gtest.h>

namespace qhj::window {
namespace {

using testing::RecordingRuntime;
using testing::ShownBox;
using testing::toUtf8;

TEST(GenerateTest, WritesTheStartInputInCapitals)
{
    RecordingRuntime rt;
    click(control("Command1").command, rt);
    EXPECT_EQ(toUtf8(rt.m_text2.text()), "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整");
    EXPECT_TRUE(rt.boxes.empty());
    EXPECT_EQ(toUtf8(rt.m_text1.text()), "123456.78");
}

// Every case of the window's table, over an earlier result that a failure
// must not leave standing.
TEST(GenerateTable, EveryWindowCase)
{
    const std::vector<testing::WindowCase> cases = testing::windowCases();
    ASSERT_FALSE(cases.empty()) << "the table of window cases is empty";
    for (const testing::WindowCase& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        RecordingRuntime rt;
        rt.m_text1.setText(c.input);
        rt.m_text2.setText(u"earlier");
        generate(rt);
        EXPECT_EQ(toUtf8(rt.m_text2.text()), toUtf8(c.result));
        EXPECT_EQ(rt.boxes, c.notices);
    }
}

struct CopyCase {
    const char* name;
    std::u16string text2;
};

void PrintTo(const CopyCase& c, std::ostream* out)
{
    *out << c.name;
}

class CopyTest : public ::testing::TestWithParam<CopyCase> { };

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

INSTANTIATE_TEST_SUITE_P(Texts, CopyTest,
                         ::testing::Values(CopyCase{"before any generate", u""},
                                           CopyCase{"a result", u"伍角整"},
                                           CopyCase{"edited by hand", u"壹圆整 and more"},
                                           CopyCase{"outside the BMP", u"a😀b"}),
                         [](const auto& row) { return "case" + std::to_string(row.index); });

// Each failure says what went wrong; the result stays, and so does the program.
TEST(CopyTest, AFailedCopyGivesItsNoticeAndKeepsTheResult)
{
    const std::pair<runtime::ClipboardResult, testing::ExpectedNotice> failures[] = {
        {runtime::ClipboardResult::kHeld, testing::kClipboardBusyNotice},
        {runtime::ClipboardResult::kNoMemory, testing::kNoMemoryNotice},
    };
    for (const auto& [failure, notice] : failures) {
        RecordingRuntime rt;
        rt.m_text2.setText(u"伍角整");
        rt.m_clipboard.failure = failure;
        copy(rt);
        EXPECT_EQ(rt.m_text2.text(), u"伍角整");
        EXPECT_EQ(rt.m_clipboard.contents, u"before");
        EXPECT_EQ(rt.boxes, std::vector<ShownBox>{testing::shownBox(notice)});
        EXPECT_EQ(rt.endCalls, 0);
    }
}

struct MenuCase {
    std::string_view item;
    std::vector<ShownBox> boxes;
    int endCalls;
};

void PrintTo(const MenuCase& c, std::ostream* out)
{
    *out << c.item;
}

class MenuTest : public ::testing::TestWithParam<MenuCase> { };

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

INSTANTIATE_TEST_SUITE_P(
    HelpMenu, MenuTest,
    ::testing::Values(MenuCase{"note", {testing::shownBox(testing::kUsageNoteNotice)}, 0},
                      MenuCase{"copyr", {testing::shownBox(testing::kAuthorNoticeNotice)}, 0},
                      MenuCase{"exit", {}, 1}),
    [](const auto& row) { return std::string(row.param.item); });

} // namespace
} // namespace qhj::window
