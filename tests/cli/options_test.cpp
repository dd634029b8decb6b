// How qinghejian-convert reads its command line: the job, the inputs in
// order, the settings, and each usage error in words.
#include "cli/options.h"

#include "cli/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

struct Case {
    std::vector<std::string> args;
    Job job;
    std::string inputs;   // T:text F:file S (standard input), in order
    std::string settings; // rmb csv header, the columns named, the encodings
    std::string error;    // after "qinghejian-convert："
};

std::string inputsOf(const Options& options)
{
    std::string out;
    for (const Input& in : options.inputs) {
        if (!out.empty())
            out += ' ';
        if (in.kind == Input::Kind::kText)
            appendUtf8(in.arg->text, out += "T:");
        else if (in.kind == Input::Kind::kFile)
            appendUtf8(in.file, out += "F:");
        else
            out += 'S';
    }
    return out;
}

std::string settingsOf(const Options& options)
{
    std::string out;
    const auto add = [&out](bool on, const char* name) {
        if (on)
            out += out.empty() ? name : std::string(" ") + name;
    };
    add(options.renminbi, "rmb");
    add(options.csv, "csv");
    add(options.header, "header");
    if (options.figuresColumn || options.capitalsColumn) {
        appendUtf8(options.figuresColumn.value_or(u"-"), out += out.empty() ? "" : " ");
        appendUtf8(options.capitalsColumn.value_or(u"-"), out += "/");
    }
    constexpr const char* kNames[] = {"utf-8", "utf-16", "utf-16be", "gb18030"};
    if (options.encoding)
        out += std::string(out.empty() ? "" : " ") + "in:" + kNames[static_cast<int>(*options.encoding)];
    if (options.outputEncoding)
        out +=
            std::string(out.empty() ? "" : " ") + "out:" + kNames[static_cast<int>(*options.outputEncoding)];
    return out;
}

TEST(OptionsTable, JobsInputsSettingsAndErrors)
{
    const std::string unknown = "无法识别的选项";
    const std::vector<Case> table{
        {{}, Job::kConvert, "", "", ""},
        {{"1", "-", "2"}, Job::kConvert, "T:1 S T:2", "", ""},
        // A minus and a digit is an amount; after "--" everything is.
        {{"--standard", "-5", "--", "--help", "-"}, Job::kStandard, "T:-5 T:--help T:-", "", ""},
        {{"-f", "a.txt", "--file=b.txt", "3"}, Job::kConvert, "F:a.txt F:b.txt T:3", "", ""},
        {{"5", "--standard", "--rmb"}, Job::kStandard, "T:5", "rmb", ""},
        {{"--check", "1", "壹元整"}, Job::kCheck, "T:1 T:壹元整", "", ""},
        {{"--check", "--csv", "--header", "--figures", "金额", "--capitals=大写", "-f", "付款.csv"},
         Job::kCheck,
         "F:付款.csv",
         "csv header 金额/大写",
         ""},
        {{"-V", "--bogus"}, Job::kVersion, "", "", ""},
        {{"--bogus", "-h"}, Job::kConvert, "", "", unknown + "“--bogus”"},
        {{"-x"}, Job::kConvert, "", "", unknown + "“-x”"},
        {{"--rmb=1"}, Job::kConvert, "", "", unknown + "“--rmb=1”"},
        {{"-f"}, Job::kConvert, "", "", "选项“-f”后面缺少参数"},
        {{"--read", "--date"}, Job::kDate, "", "", "选项“--read”和“--date”只能用一个"},
        {{"--read", "--read"}, Job::kRead, "", "", ""},
        {{"--check", "1"},
         Job::kCheck,
         "T:1",
         "",
         "--check 要两个参数，小写金额和大写金额；不给参数时逐行读取标准输入"},
        {{"--rmb", "1"}, Job::kConvert, "T:1", "rmb", "--rmb 只能和 --standard 一起用"},
        {{"--read", "--csv"}, Job::kRead, "", "csv", "--csv 和 --header 只能和 --check 或 --standard 一起用"},
        // Filling in a column of capitals from a column of figures.
        {{"--standard", "--csv", "--figures", "3", "--encoding", "GB18030", "--output-encoding=utf-16"},
         Job::kStandard,
         "",
         "csv 3/- in:gb18030 out:utf-16",
         ""},
        {{"--standard", "--csv"},
         Job::kStandard,
         "",
         "csv",
         "--standard --csv 要用 --figures 指明小写金额所在的列"},
        {{"--check", "--csv", "--figures", "金额"},
         Job::kCheck,
         "",
         "csv 金额/-",
         "按列名“金额”找列要加 --header"},
        {{"--encoding", "big5"}, Job::kConvert, "", "", "无法识别的编码“big5”，可用 utf-8、utf-16 或 gb18030"},
        {{"--check", "--csv", "1", "2"},
         Job::kCheck,
         "T:1 T:2",
         "csv",
         "--csv 从文件或标准输入读取表格，不能直接给金额"},
        {{"--check", "--figures", "2"}, Job::kCheck, "", "2/-", "--figures 和 --capitals 只能和 --csv 一起用"},
    };
    for (const Case& c : table) {
        std::vector<Argument> args;
        std::string line;
        for (const std::string& arg : c.args) {
            args.push_back({});
            decodeUtf8(arg, args.back().text);
            line += arg + " ";
        }
        SCOPED_TRACE(line);
        const Options options = parseOptions(args);
        EXPECT_EQ(options.job, c.job);
        EXPECT_EQ(inputsOf(options), c.inputs);
        EXPECT_EQ(settingsOf(options), c.settings);
        EXPECT_EQ(options.usageError, c.error.empty() ? "" : "qinghejian-convert：" + c.error);
    }
}

} // namespace
} // namespace qhj::cli
