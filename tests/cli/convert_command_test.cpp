#include "cli/convert_command.h"

#include "cli/utf8.h"
#include "cli_streams.h"
#include "conversion/amount_conversion.h"
#include "conversion/standard_form.h"
#include "support/recording_runtime.h"
#include "version/version.h"

#include <gtest/gtest.h>

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

Result run(const std::vector<std::string>& args, const std::string& input = "",
           std::size_t lineCapacity = LineReader::kDefaultCapacity)
{
    StringSource source(input, 5);
    StringSink outSink;
    StringSink errSink;
    int status = 0;
    {
        BufferedOutput out(outSink, "\n", 64);
        BufferedOutput err(errSink, "\n", 64);
        status = runConvert(arguments(args), source, out, err, lineCapacity);
    }
    return {status, outSink.text, errSink.text};
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

TEST(ConvertCommandTable, Arguments)
{
    expectTable({Case{"start input", {"123456.78"}, "", 0, "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整\n", ""},
                 Case{"several", {"0", "100", ".5"}, "", 0, "零圆整\n壹佰零拾零圆整\n伍角整\n", ""},
                 Case{"standard",
                      {"--standard", "1680.32", "100", "0.05"},
                      "",
                      0,
                      "壹仟陆佰捌拾元零叁角贰分\n壹佰元整\n伍分\n",
                      ""},
                 Case{"standard after amounts", {"100", "--standard"}, "", 0, "壹佰元整\n", ""},
                 Case{"warning converts", {"1.234"}, "", 0, "壹圆贰角叁分整\n", "第1行：" + kWarning + "\n"},
                 Case{"failures numbered",
                      {"1", "12a", "1.2.3", "1.a23"},
                      "",
                      1,
                      "壹圆整\n\n\n\n",
                      "第2行：" + kFailure + "\n第3行：" + kMorePoints + "\n第4行：" + kWarning + "\n第4行："
                          + kFailure + "\n"},
                 Case{"empty argument", {""}, "", 1, "\n", "第1行：" + kFailure + "\n"},
                 Case{"lone point", {"."}, "", 1, "\n", "第1行：" + kFailure + "\n"},
                 Case{"not UTF-8", {"1\xFF"}, "", 1, "\n", "第1行：" + kFailure + "\n"},
                 Case{"full-width", {"１２.５"}, "", 0, "壹拾贰圆伍角整\n", ""},
                 Case{"standard input unread", {"5"}, "6\n", 0, "伍圆整\n", ""},
                 Case{"options end",
                      {"--", "-5", "--help", "5"},
                      "",
                      1,
                      "\n\n伍圆整\n",
                      "第1行：" + kFailure + "\n第2行：" + kFailure + "\n"},
                 Case{"options before the end",
                      {"--standard", "--", "--standard"},
                      "",
                      1,
                      "\n",
                      "第1行：" + kFailure + "\n"}});
}

TEST(ConvertCommandTable, Options)
{
    expectTable(
        {Case{"version", {"--version"}, "", 0, "青禾笺 " QHJ_VERSION_TEXT "\n", ""},
         Case{
             "version wins over amounts", {"5", "--version", "6"}, "", 0, "青禾笺 " QHJ_VERSION_TEXT "\n", ""},
         Case{"help", {"--help"}, "", 0, std::string(kHelpText), ""},
         Case{"negative amount",
              {"-5"},
              "",
              2,
              "",
              "qinghejian-convert：无法识别的选项“-5”\n用“qinghejian-convert "
              "--help”查看用法；以“-”开头的金额请写在“--”之后。\n"},
         Case{"unknown option",
              {"5", "--standart"},
              "",
              2,
              "",
              "qinghejian-convert：无法识别的选项“--standart”\n用“qinghejian-convert "
              "--help”查看用法；以“-”开头的金额请写在“--”之后。\n"},
         Case{"lone dash",
              {"-"},
              "",
              2,
              "",
              "qinghejian-convert：无法识别的选项“-”\n用“qinghejian-convert "
              "--help”查看用法；以“-”开头的金额请写在“--”之后。\n"},
         Case{"no conversion before a usage error",
              {"1.234", "-x"},
              "",
              2,
              "",
              "qinghejian-convert：无法识别的选项“-x”\n用“qinghejian-convert "
              "--help”查看用法；以“-”开头的金额请写在“--”之后。\n"}});
}

// --read, --check and --date, from arguments and from standard input. The
// texts of the reasons and findings are the conversion's own, tested there.
TEST(ConvertCommandTable, ReadCheckAndDate)
{
    const std::string hint = "\n用“qinghejian-convert --help”查看用法；以“-”开头的金额请写在“--”之后。\n";
    expectTable({
        Case{"read",
             {"--read", "壹仟陆佰捌拾元零叁角贰分", "壹佰零拾零圆整", "伍分"},
             "",
             0,
             "1680.32\n100.00\n0.05\n",
             ""},
        Case{"read what cannot be read",
             {"--read", "壹佰伍", "", "\xFF"},
             "",
             1,
             "\n\n\n",
             "第1行：第3个字符：数字后缺少单位\n第2行：没有金额\n第3行：不是UTF-8文字，无法识别\n"},
        Case{"read lines",
             {"--read"},
             "人民币壹万元整\r\n壹元伍毛\n",
             1,
             "10000.00\n\n",
             "第2行：第4个字符：应写“角”，不写“毛”\n"},
        Case{"check a pair", {"--check", "1680.32", "壹仟陆佰捌拾元叁角贰分"}, "", 0, "一致\n", ""},
        Case{"check lines",
             {"--check"},
             "1409\t壹仟肆佰玖元\n  10.05   壹拾元零伍分  \n1.234\t壹元贰角叁分\n1 壹元贰角\n12a "
             "壹拾贰元整\n5\n1 壹圆伍\n",
             1,
             "一致；金额到元为止时，元后应写整（正）字；数字中间有零时，应写零\n一致\n一致\n"
             "不一致；小写为1.00，大写为1.20\n无法识别；小写金额不合输入规则\n无法识别；缺少大写金额\n"
             "无法识别；大写第3个字符：数字后缺少单位\n",
             "第3行：" + kWarning + "\n第5行：" + kFailure + "\n"},
        Case{"check every line agrees", {"--check"}, "100 壹佰元整\n0.5 伍角\n", 0, "一致\n一致\n", ""},
        Case{"check wants two",
             {"--check", "100"},
             "",
             2,
             "",
             "qinghejian-convert：--check 要两个参数，小写金额和大写金额；不给参数时逐行读取标准输入" + hint},
        Case{"date",
             {"--date", "2026-01-15", "2024-2-29", "2023-02-29", "2026/01/15", "20260115"},
             "",
             1,
             "贰零贰陆年零壹月壹拾伍日\n贰零贰肆年零贰月贰拾玖日\n\n\n\n",
             "第3行：这个月没有这一天\n第4行：日期应写成YYYY-MM-DD\n第5行：日期应写成YYYY-MM-DD\n"},
        Case{"one job at a time",
             {"--read", "--date"},
             "",
             2,
             "",
             "qinghejian-convert：选项“--read”和“--date”只能用一个" + hint},
    });
}

TEST(ConvertCommandTable, StandardInput)
{
    expectTable({Case{"nothing", {}, "", 0, "", ""},
                 Case{"only options", {"--standard"}, "100\n", 0, "壹佰元整\n", ""},
                 Case{"lines", {}, "1\n2\n", 0, "壹圆整\n贰圆整\n", ""},
                 Case{"no last line end", {}, "1\n2", 0, "壹圆整\n贰圆整\n", ""},
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
                 Case{"empty line", {}, "1\n\n2\n", 1, "壹圆整\n\n贰圆整\n", "第2行：" + kFailure + "\n"},
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
        EXPECT_EQ(runConvert({}, source, out, err), 0);
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
    EXPECT_EQ(source.reads, 1);
    EXPECT_EQ(errSink.text, "qinghejian-convert：写入标准输出失败\n");
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
    StringSource source("1\n2", 64, /*failAtEnd=*/true);
    StringSink outSink;
    StringSink errSink;
    int status = 0;
    {
        BufferedOutput out(outSink, "\n");
        BufferedOutput err(errSink, "\n");
        status = runConvert({}, source, out, err);
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(outSink.text, "壹圆整\n贰圆整\n");
    EXPECT_EQ(errSink.text, "qinghejian-convert：读取标准输入失败\n");
}

// What the window would give for the whole line, notices as they would be
// written.
Result expected(const std::string& line, bool standard)
{
    qhj::testing::RecordingRuntime rt;
    std::u16string text;
    std::string out;
    std::string err;
    if (decodeUtf8(line, text)) {
        appendUtf8(standard ? conversion::convertAmountStandard(text, rt)
                            : conversion::ConvertAmount(text, rt),
                   out);
        for (const auto& box : rt.boxes) {
            err += "第1行：";
            appendUtf8(box.prompt, err);
            err += "\n";
        }
    } else {
        err = "第1行：" + kFailure + "\n";
    }
    return {out.empty() ? 1 : 0, out + "\n", err};
}

// Lines longer than the reader keeps whole fail or convert exactly as the
// window converts them in full.
TEST(ConvertCommandTest, LongLinesConvertAsTheWholeLine)
{
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&state](std::uint64_t bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state % bound;
    };
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
        for (const bool standard : {false, true}) {
            std::vector<std::string> args;
            if (standard)
                args.push_back("--standard");
            const Result r = run(args, line + "\n", 256);
            const Result e = expected(line, standard);
            ASSERT_EQ(r.out, e.out) << ::testing::PrintToString(line);
            ASSERT_EQ(r.err, e.err) << ::testing::PrintToString(line);
            ASSERT_EQ(r.status, e.status);
        }
    }
}

} // namespace
} // namespace qhj::cli
