#include "cli/convert_command.h"

#include "cli/utf8.h"
#include "cli_streams.h"
#include "support/cli_cases.h"
#include "support/random.h"
#include "support/recording_runtime.h"
#include "version/version.h"
#include "window/convert_amount.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qhj::cli {
namespace {

using testing::StringSink;
using testing::StringSource;

const std::string kWarning = qhj::testing::toUtf8(qhj::testing::kExtraDecimalsNotice.prompt);
const std::string kFailure = qhj::testing::toUtf8(qhj::testing::kFailureNotice.prompt);
const std::string kMorePoints = qhj::testing::toUtf8(qhj::testing::kMorePointsNotice.prompt);
const std::string kUsageHint = "用“qinghejian-convert --help”查看用法；以“-”开头的金额请写在“--”之后。\n";

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::vector<Argument> arguments(const std::vector<std::string>& args)
{
    std::vector<Argument> out;
    for (const std::string& arg : args) {
        Argument a;
        a.valid = decodeUtf8(arg, a.text);
        out.push_back(a);
    }
    return out;
}

// The files the tests name with -f, by name.
const std::map<std::u16string, std::string> kFiles = {
    {u"amounts.txt", "1\n2\n"},
    {u"utf16.txt",
     std::string("\xFF\xFE"
                 "3\0\r\0\n\0",
                 8)},
    {u"payments.csv",
     "日期,金额,大写\r\n1/1,\"1,409.50\",壹仟肆佰零玖元伍角整\r\n\r\n"
     "1/2,12,\"壹拾贰元\r\n整\"\r\n1/3,-5,负伍元整\r\n1/4,7\r\n"},
    {u"unicode.txt", testing::utf16(u"A\tB\n1\t壹元整\n")},
};

std::unique_ptr<ByteSource> openTestFile(const std::u16string& name)
{
    // A file that breaks while it is read.
    if (name == u"broken.txt")
        return std::make_unique<StringSource>("1\n", 3, true);
    const auto file = kFiles.find(name);
    if (file == kFiles.end())
        return nullptr;
    return std::make_unique<StringSource>(file->second, 3);
}

// The program on `args`, with `source` as standard input.
Result runOn(const std::vector<Argument>& args, ByteSource& source,
             std::size_t lineCapacity = LineReader::kDefaultCapacity)
{
    StringSink outSink;
    StringSink errSink;
    int status = 0;
    {
        BufferedOutput out(outSink, "\n", 64);
        BufferedOutput err(errSink, "\n", 64);
        status = runConvert(args, source, out, err, lineCapacity, openTestFile);
    }
    return {status, outSink.text, errSink.text};
}

Result run(const std::vector<std::string>& args, const std::string& input = "",
           std::size_t lineCapacity = LineReader::kDefaultCapacity)
{
    StringSource source(input, 5);
    return runOn(arguments(args), source, lineCapacity);
}

struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

// Each table is one test, so that a run under the sanitizers starts one
// process a table rather than one a case; the trace names the failing case.
void expectTable(const std::vector<Case>& table)
{
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        const Result r = run(c.args, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.status, c.status);
    }
}

// The companion's shared table, which the end-to-end script also runs.
TEST(ConvertCommandTable, SharedCases)
{
    const std::vector<qhj::testing::CliCase> cases = qhj::testing::cliCases(QHJ_VERSION_TEXT);
    ASSERT_FALSE(cases.empty()) << "the table of the companion's cases is empty";
    for (const qhj::testing::CliCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = run(c.args, c.input);
        EXPECT_EQ(r.out, c.output);
        EXPECT_EQ(r.err, c.error);
        EXPECT_EQ(r.status, c.status);
    }
}

// What the shared table cannot hold: arguments that are not UTF-8. The
// texts of the reasons are the conversion's own, tested there.
TEST(ConvertCommandTable, ArgumentsThatAreNotText)
{
    expectTable({
        Case{"not UTF-8", {"1\xFF"}, "", 1, "\n", "第1行：" + kFailure + "\n"},
        Case{"read what cannot be read",
             {"--read", "壹佰伍", "", "\xFF"},
             "",
             1,
             "\n\n\n",
             "第1行：第3个字符：数字后缺少单位\n第2行：没有金额\n第3行：不是UTF-8文字，无法识别\n"},
    });
}

TEST(ConvertCommandTable, FilesAndSpreadsheets)
{
    const std::string columns = "--figures=金额";
    expectTable({
        Case{"files and arguments in turn",
             {"-f", "amounts.txt", "5", "--file", "utf16.txt"},
             "",
             0,
             "壹圆整\n贰圆整\n伍圆整\n叁圆整\n",
             ""},
        Case{"a file that cannot be opened",
             {"-f", "missing.txt", "5"},
             "",
             1,
             "伍圆整\n",
             "qinghejian-convert：无法打开文件“missing.txt”\n"},
        // The same table with a verdict beside each row; the blank row
        // stays in its place, uncounted.
        Case{"a verdict column",
             {"--check", "--csv", "--header", columns, "--capitals", "大写", "-f", "payments.csv"},
             "",
             1,
             "日期,金额,大写,核对结果\r\n1/1,\"1,409.50\",壹仟肆佰零玖元伍角整,一致\r\n\r\n"
             "1/2,12,\"壹拾贰元\r\n整\",无法识别；大写第5个字符：不是金额用字\r\n"
             "1/3,-5,负伍元整,一致\r\n1/4,7,无法识别；这一行的列数不够\r\n",
             "共4行：一致2，不一致0，无法识别2\n"},
        Case{"columns by number",
             {"--check", "--csv", "--figures", "2", "--capitals", "3", "-"},
             "x,1,壹元整\n",
             0,
             "x,1,壹元整,一致\n",
             "共1行：一致1，不一致0，无法识别0\n"},
        // Before anything is written.
        Case{"a column the header lacks",
             {"--check", "--csv", "--header", "--figures", "小写", "-f", "payments.csv"},
             "",
             2,
             "",
             "qinghejian-convert：表中没有“小写”这一列\n" + kUsageHint},
        // A header that is not text in the encoding named may be in another.
        Case{"a header that did not decode",
             {"--check", "--csv", "--header", "--figures", "金额", "--encoding", "utf-8", "-"},
             "\xBD\xF0\xB6\xEE,\xB4\xF3\xD0\xB4\n1,\xD2\xBC\xD4\xAA\xD5\xFB\n",
             2,
             "",
             "qinghejian-convert：表中没有“金额”这一列；表头不是能读出的文字，也许文件的编码不对，可以用 "
             "--encoding "
             "指定\n"
                 + kUsageHint},
        Case{"a field that is not text",
             {"--check", "--csv", "--encoding", "utf-8", "-"},
             "1,\xD2\xBC\xD4\xAA\xD5\xFB\n",
             1,
             "1,\xD2\xBC\xD4\xAA\xD5\xFB,无法识别；不是UTF-8文字，无法识别\n",
             "共1行：一致0，不一致0，无法识别1\n"},
        Case{"a file that breaks",
             {"-f", "broken.txt"},
             "",
             1,
             "壹圆整\n",
             "qinghejian-convert：读取文件“broken.txt”失败\n"},
        Case{"an empty column name",
             {"--check", "--csv", "--header", "--figures", "", "-"},
             "a,b\n",
             2,
             "",
             "qinghejian-convert：表中没有“”这一列\n" + kUsageHint},
        Case{"a column past the last",
             {"--check", "--csv", "--capitals", "4", "-"},
             "1,壹元整\n",
             2,
             "",
             "qinghejian-convert：表中没有“4”这一列\n" + kUsageHint},
        Case{"Unicode text, tab-separated, goes out as it came",
             {"--check", "--csv", "--header", "-f", "unicode.txt"},
             "",
             0,
             testing::utf16(u"A\tB\t核对结果\n1\t壹元整\t一致\n"),
             "共1行：一致1，不一致0，无法识别0\n"},
        // Filling in capitals: into the column named, or a new one; a row
        // that cannot be read keeps an empty cell and says why.
        Case{"capitals into their column",
             {"--standard", "--csv", "--header", "--figures", "金额", "--capitals=大写", "--rmb", "-"},
             "金额,大写\n1409.5,旧\n\n1.2.3,旧\n7\n",
             1,
             "金额,大写\n1409.5,人民币壹仟肆佰零玖元伍角整\n\n1.2.3,\n7,人民币柒元整\n",
             "第4行：第4个字符：小数点只能有一个\n共3行：写出2，无法识别1\n"},
        Case{"capitals in a new column",
             {"--standard", "--csv", "--figures", "1", "--output-encoding", "gb18030", "-"},
             "\"1,000\"\r\n",
             0,
             "\"1,000\",\xD2\xBC\xC7\xAA\xD4\xAA\xD5\xFB\r\n",
             "共1行：写出1，无法识别0\n"},
    });
}

TEST(ConvertCommandTable, StandardInput)
{
    expectTable({Case{"only options", {"--standard"}, "100\n", 0, "壹佰元整\n", ""},
                 Case{"CRLF", {}, "1\r\n2\r\n", 0, "壹圆整\n贰圆整\n", ""},
                 Case{"BOM",
                      {},
                      "\xEF\xBB\xBF"
                      "1\r\n2",
                      0,
                      "壹圆整\n贰圆整\n",
                      ""},
                 Case{"BOM on a later line",
                      {},
                      "1\n\xEF\xBB\xBF"
                      "2\n",
                      1,
                      "壹圆整\n\n",
                      "第2行：" + kFailure + "\n"},
                 Case{"not UTF-8",
                      {},
                      "\xE5\xA3\n\xC0\xB1\n\xED\xA0\x80\n3\n",
                      1,
                      "\n\n\n叁圆整\n",
                      "第1行：" + kFailure + "\n第2行：" + kFailure + "\n第3行：" + kFailure + "\n"},
                 Case{"more points", {}, "1.2.3\n", 1, "\n", "第1行：" + kMorePoints + "\n"},
                 Case{"spaces are not trimmed",
                      {},
                      " 5\n5 \n",
                      1,
                      "\n\n",
                      "第1行：" + kFailure + "\n第2行：" + kFailure + "\n"},
                 Case{"NUL", {}, std::string("5\0\n", 3), 1, "\n", "第1行：" + kFailure + "\n"},
                 Case{"standard",
                      {"--standard"},
                      "1409.50\n6007.14\n0\n",
                      0,
                      "壹仟肆佰零玖元伍角整\n陆仟零柒元壹角肆分\n零元整\n",
                      ""}});
}

TEST(ConvertCommandTest, SharedOutputKeepsNoticesBeforeTheirLine)
{
    StringSource source("");
    StringSink sink;
    {
        BufferedOutput both(sink, "\n");
        EXPECT_EQ(runConvert(arguments({"1.234", "12a", "5"}), source, both, both), 1);
    }
    EXPECT_EQ(sink.text, "第1行：" + kWarning + "\n壹圆贰角叁分整\n第2行：" + kFailure + "\n\n伍圆整\n");
}

TEST(ConvertCommandTest, WindowsLineEnds)
{
    StringSource source("1\r\n2.345\r\n");
    StringSink outSink;
    StringSink errSink;
    {
        BufferedOutput out(outSink, "\r\n");
        BufferedOutput err(errSink, "\r\n");
        EXPECT_EQ(runConvert({}, source, out, err), 1);
    }
    EXPECT_EQ(outSink.text, "壹圆整\r\n贰圆叁角肆分整\r\n");
    EXPECT_EQ(errSink.text, "第2行：" + kWarning + "\r\n");
}

// A person typing amounts sees each answer before typing the next.
TEST(ConvertCommandTest, AnswersAreOutBeforeWaitingForInput)
{
    StringSource source("1\n2\n", 2);
    StringSink outSink;
    StringSink errSink;
    std::vector<std::string> seen;
    source.onRead = [&] { seen.push_back(outSink.text + "|" + errSink.text); };
    {
        BufferedOutput out(outSink, "\n");
        BufferedOutput err(errSink, "\n");
        runConvert({}, source, out, err);
    }
    // Reads: "1\n", "2\n", then the end; before the second and third, the
    // answer to what came before is out.
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1], "壹圆整\n|");
    EXPECT_EQ(seen[2], "壹圆整\n贰圆整\n|");
}

TEST(ConvertCommandTest, BrokenOutputFailsAndStops)
{
    std::string input;
    for (int i = 0; i < 10000; ++i)
        input += "1\n";
    StringSource source(input);
    StringSink outSink;
    outSink.broken = true;
    StringSink errSink;
    int status = 0;
    {
        BufferedOutput out(outSink, "\n", 256);
        BufferedOutput err(errSink, "\n");
        status = runConvert({}, source, out, err);
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(outSink.writes, 1);
    // The look for a byte-order mark, then one piece of the input.
    EXPECT_LE(source.reads, 2);
    EXPECT_EQ(errSink.text, "qinghejian-convert：写入标准输出失败\n");
}

// The help, as the user reads it: every way to call the program and every
// option, written out here.
TEST(ConvertCommandTest, HelpShowsEveryUseAndOption)
{
    const std::vector<std::string> lines{
        "用法：qinghejian-convert [--standard [--rmb]] [金额…]",
        "      qinghejian-convert --read [大写金额…]",
        "      qinghejian-convert --check [小写金额 大写金额]",
        "      qinghejian-convert --check --csv [--header] [--figures 列] [--capitals 列]",
        "      qinghejian-convert --standard [--rmb] --csv [--header] --figures 列 [--capitals 列]",
        "      qinghejian-convert --date [日期…]",
        "  --standard  按支付结算办法中填写票据和结算凭证的规定书写：单位用“元”，",
        "  --rmb       与 --standard 同用：前面加“人民币”。",
        "  --read      把大写金额读回阿拉伯数字，带两位小数（壹佰零拾零圆整 → 100.00，",
        "  --check     核对小写金额和大写金额：给两个参数，或者逐行读取，每行先写",
        "  --csv       与 --check 或 --standard 同用：输入是表格（CSV，或电子表格",
        "  --header    表格的第一行是表头，照原样写出，不核对。",
        "  --figures 列、--capitals 列",
        "  --encoding 编码",
        "  --output-encoding 编码",
        "  --date      把日期写成票据出票日期的大写（2026-01-15、2026/1/15、",
        "  -f, --file 文件",
        "  -h, --help  显示本说明后退出。",
        "  -V, --version",
        "退出状态：0 每一项都照原样写出：没有失败，没有去掉小数，--check 每行都是",
    };
    const Result help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const std::string& line : lines)
        EXPECT_NE(help.out.find(line + "\n"), std::string::npos) << line;
    EXPECT_TRUE(help.out.starts_with(lines.front()));
    const Result shortHelp = run({"5", "-h"});
    EXPECT_EQ(shortHelp.out, help.out);
    EXPECT_EQ(shortHelp.status, 0);
}

// Mended: --help and --version used to fail silently, with status 1 only.
TEST(ConvertCommandTest, BrokenOutputOfHelpAndVersionSaysSo)
{
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        StringSource source("");
        StringSink outSink;
        outSink.broken = true;
        StringSink errSink;
        int status = 0;
        {
            BufferedOutput out(outSink, "\n");
            BufferedOutput err(errSink, "\n");
            status = runConvert(arguments({option}), source, out, err);
        }
        EXPECT_EQ(status, 1);
        EXPECT_EQ(errSink.text, "qinghejian-convert：写入标准输出失败\n");
    }
}

TEST(ConvertCommandTest, ReadErrorFails)
{
    StringSource broken("1\n2", 64, /*failAtEnd=*/true);
    Result r = runOn({}, broken);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "壹圆整\n贰圆整\n");
    EXPECT_EQ(r.err, "qinghejian-convert：读取标准输入失败\n");
    // And where "-" names it, among other inputs.
    StringSource named("3", 64, true);
    r = runOn({{u"1", true}, {u"-", true}, {u"2", true}}, named);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "壹圆整\n叁圆整\n贰圆整\n");
    EXPECT_EQ(r.err, "qinghejian-convert：读取标准输入失败\n");
    // --check's two arguments, one of them not text.
    StringSource none("");
    r = runOn({{u"--check", true}, {u"1", true}, {u"", false}}, none);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "无法识别；不是UTF-8文字，无法识别\n");
}

// What the window would give for the whole line, notices as they would be
// written.
Result expected(const std::string& line)
{
    qhj::testing::RecordingRuntime rt;
    std::u16string text;
    std::string out;
    std::string err;
    if (decodeUtf8(line, text)) {
        appendUtf8(window::ConvertAmount(text, rt), out);
        for (const auto& box : rt.boxes) {
            err += "第1行：";
            appendUtf8(box.prompt, err);
            err += "\n";
        }
    } else {
        err = "第1行：" + kFailure + "\n";
    }
    return {out.empty() || !err.empty() ? 1 : 0, out + "\n", err};
}

// Lines longer than the reader keeps whole fail or convert exactly as the
// window converts them in full. The other jobs refuse them.
TEST(ConvertCommandTest, LongLinesConvertAsTheWholeLine)
{
    qhj::testing::Random random(0x9E3779B97F4A7C15ULL);
    const auto next = [&random](std::uint64_t bound) { return random.below(bound); };
    const std::vector<std::string> pieces{"0",  "7", "9", "1234567890", ".",   "１",
                                          "壹", "😀", " ", "\xFF",       "\xE5"};
    for (int step = 0; step < 1000; ++step) {
        std::string line;
        // Mostly a short start with a point in it, then a long tail.
        const std::uint64_t startDigits = next(16);
        for (std::uint64_t k = 0; k < startDigits; ++k)
            line += static_cast<char>('0' + next(10));
        if (next(4) != 0)
            line += '.';
        const std::uint64_t length = 200 + next(800);
        while (line.size() < length) {
            const std::uint64_t p = next(40);
            line += p < pieces.size() ? pieces[p] : std::string(1, static_cast<char>('0' + p % 10));
        }
        const Result r = run({}, line + "\n", 256);
        const Result e = expected(line);
        ASSERT_EQ(r.out, e.out) << ::testing::PrintToString(line);
        ASSERT_EQ(r.err, e.err) << ::testing::PrintToString(line);
        ASSERT_EQ(r.status, e.status);
    }
}

} // namespace
} // namespace qhj::cli
