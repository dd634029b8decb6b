// Each task of qinghejian-convert item by item: the line it writes, the
// notices, and whether the run still counts as written exactly as given.
#include "cli/tasks.h"

#include "cli/utf8.h"
#include "cli_streams.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qhj::cli {
namespace {

using Make = std::function<std::unique_ptr<ItemTask>(BufferedOutput&, LineNotices&)>;

template <typename T> Make make()
{
    return [](BufferedOutput& out, LineNotices& notices) { return std::make_unique<T>(out, notices); };
}

struct Case {
    const char* name;
    Make task;
    std::function<void(ItemTask&)> items;
    std::string out;
    std::string err;
    bool succeeded;
};

TEST(TasksTable, LinesNoticesAndSuccess)
{
    const Make standard = [](BufferedOutput& out, LineNotices& notices) {
        return std::make_unique<StandardTask>(face::Form::kRenminbi, out, notices);
    };
    Line twoPoints;
    twoPoints.truncated = true;
    twoPoints.points = 2;
    Line notText;
    notText.truncated = true;
    notText.valid = false;
    const auto tooLong = [](ItemTask& t) { t.longLine(Line{}); };
    const std::vector<Case> table{
        {"window", make<ConvertTask>(), [](ItemTask& t) { t.item(u"100"); }, "壹佰零拾零圆整\n", "", true},
        // Both of the window's notices, each a line of its own.
        {"window, two notices", make<ConvertTask>(), [](ItemTask& t) { t.item(u"1.a23"); }, "\n",
         "第1行：小数点后第二位后的数字将被忽略\n第1行：你输入的数字太大或者输入错误，识别失败\n", false},
        // Its points alone refuse a line too long to keep.
        {"window, long line", make<ConvertTask>(), [&twoPoints](ItemTask& t) { t.longLine(twoPoints); }, "\n",
         "第1行：数字输入出错\n", false},
        {"window, a long line that is not text", make<ConvertTask>(),
         [&notText](ItemTask& t) { t.longLine(notText); }, "\n",
         "第1行：你输入的数字太大或者输入错误，识别失败\n", false},
        // Lines too long to keep, for every other job.
        {"standard, long line", standard, tooLong, "\n", "第1行：这一行太长，无法识别\n", false},
        {"read, long line", make<ReadTask>(), tooLong, "\n", "第1行：这一行太长，无法识别\n", false},
        {"check, long line", make<CheckTask>(), tooLong, "无法识别；这一行太长，无法识别\n", "", false},
        {"date, long line", make<DateTask>(), tooLong, "\n", "第1行：这一行太长，无法识别\n", false},
        {"check, not text", make<CheckTask>(), [](ItemTask& t) { t.item(std::nullopt); },
         "无法识别；不是UTF-8文字，无法识别\n", "", false},
        {"date, not text", make<DateTask>(), [](ItemTask& t) { t.item(std::nullopt); }, "\n",
         "第1行：日期应写成YYYY-MM-DD、YYYY/MM/DD、YYYY年MM月DD日或YYYYMMDD\n", false},
        {"standard, cut", standard, [](ItemTask& t) { t.item(u"1.234"); }, "人民币壹元贰角叁分\n",
         "第1行：小数点后第二位后的数字将被忽略\n", false},
        {"standard, not text", standard, [](ItemTask& t) { t.item(std::nullopt); }, "\n",
         "第1行：不是UTF-8文字，无法识别\n", false},
        {"read", make<ReadTask>(), [](ItemTask& t) { t.item(u"负壹角整"); }, "-0.10\n", "", true},
        {"read, unreadable", make<ReadTask>(), [](ItemTask& t) { t.item(u"壹佰零"); }, "\n",
         "第1行：第3个字符：数字后缺少单位\n", false},
        // The capitals' position counts from their own first character.
        {"check, a line", make<CheckTask>(), [](ItemTask& t) { t.item(u" 1.5 \t 壹元伍角x "); },
         "无法识别；大写第5个字符：不是金额用字\n", "", false},
        {"check, a pair that breaks a rule", make<CheckTask>(),
         [](ItemTask& t) { t.pair(u"1010", u"壹仟壹拾元整"); }, "一致；数字中间有零时，应写零\n", "", false},
        // Every finding, in its words.
        {"check, 整 after 分", make<CheckTask>(), [](ItemTask& t) { t.pair(u"100.25", u"壹佰元贰角伍分整"); },
         "一致；金额有分时，分后不写整（正）字\n", "", false},
        {"check, a bare 拾", make<CheckTask>(), [](ItemTask& t) { t.pair(u"10", u"拾元整"); },
         "一致；最高位是拾时，应写壹拾\n", "", false},
        {"check, nothing after 元", make<CheckTask>(), [](ItemTask& t) { t.pair(u"10", u"壹拾元"); },
         "一致；金额到元为止时，元后应写整（正）字\n", "", false},
        {"check, no 零 before a lone 分", make<CheckTask>(),
         [](ItemTask& t) { t.pair(u"10.05", u"壹拾元伍分"); }, "一致；角位为零而分位不为零时，元后应写零\n",
         "", false},
        {"check, no pair", make<CheckTask>(), [](ItemTask& t) { t.unreadable(u"这一行的列数不够"); },
         "无法识别；这一行的列数不够\n", "", false},
        // Only the check reads pairs; the others write one as an item
        // they cannot read, and an unreadable item as a notice.
        {"window, a pair", make<ConvertTask>(), [](ItemTask& t) { t.pair(u"1", u"壹圆整"); }, "\n",
         "第1行：你输入的数字太大或者输入错误，识别失败\n", false},
        {"read, unreadable item", make<ReadTask>(), [](ItemTask& t) { t.unreadable(u"这一行的列数不够"); },
         "\n", "第1行：这一行的列数不够\n", false},
        {"date", make<DateTask>(), [](ItemTask& t) { t.item(u"2026年10月20日"); },
         "贰零贰陆年零壹拾月零贰拾日\n", "", true},
        {"date, none such", make<DateTask>(), [](ItemTask& t) { t.item(u"2026-02-30"); }, "\n",
         "第1行：这个月没有这一天\n", false},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        testing::StringSink outSink;
        testing::StringSink errSink;
        bool succeeded = false;
        {
            BufferedOutput out(outSink, "\n", 64);
            BufferedOutput err(errSink, "\n", 64);
            LineNotices notices(err);
            notices.setLine(1);
            const std::unique_ptr<ItemTask> task = c.task(out, notices);
            c.items(*task);
            succeeded = task->succeeded();
        }
        EXPECT_EQ(outSink.text, c.out);
        EXPECT_EQ(errSink.text, c.err);
        EXPECT_EQ(succeeded, c.succeeded);
    }
}

// Only the date has an item of its own when no input is given: today's.
TEST(TasksTable, OwnItemWithoutInput)
{
    testing::StringSink sink;
    BufferedOutput out(sink, "\n", 64);
    LineNotices notices(out);
    EXPECT_FALSE(ConvertTask(out, notices).ownItem());
    EXPECT_FALSE(CheckTask(out, notices).ownItem());
    DateTask date(out, notices);
    ASSERT_TRUE(date.ownItem());
    out.flush();
    EXPECT_TRUE(sink.text.find("年") != std::string::npos && sink.text.ends_with("日\n")) << sink.text;
    EXPECT_TRUE(date.succeeded());
}

} // namespace
} // namespace qhj::cli
