#include "cli/options.h"

#include "cli/utf8.h"

#include <array>
#include <string_view>

namespace qhj::cli {

namespace {

struct Named {
    std::u16string_view name;
    Job job;
};

constexpr std::array<Named, 6> kOptions = {{
    {u"--standard", Job::kStandard},
    {u"--read", Job::kRead},
    {u"--check", Job::kCheck},
    {u"--date", Job::kDate},
    {u"--help", Job::kHelp},
    {u"--version", Job::kVersion},
}};

std::string utf8(std::u16string_view text)
{
    std::string bytes;
    appendUtf8(text, bytes);
    return bytes;
}

std::string quoted(std::u16string_view text)
{
    return "“" + utf8(text) + "”";
}

} // namespace

// The first of --help, --version and an unknown option decides at once.
Options parseOptions(const std::vector<Argument>& args)
{
    Options options;
    const Argument* chosen = nullptr;
    bool optionsEnded = false;
    for (const Argument& arg : args) {
        if (optionsEnded || !arg.valid || arg.text.empty() || arg.text.front() != u'-') {
            options.operands.push_back(&arg);
            continue;
        }
        if (arg.text == u"--") {
            optionsEnded = true;
            continue;
        }
        const Named* named = nullptr;
        for (const Named& option : kOptions) {
            if (option.name == arg.text)
                named = &option;
        }
        if (named == nullptr) {
            options.usageError = std::string(kProgramName) + "：无法识别的选项" + quoted(arg.text);
            return options;
        }
        if (named->job == Job::kHelp || named->job == Job::kVersion) {
            options.job = named->job;
            options.usageError.clear();
            return options;
        }
        if (chosen != nullptr && chosen->text != arg.text && options.usageError.empty()) {
            options.usageError = std::string(kProgramName) + "：选项" + quoted(chosen->text) + "和"
                + quoted(arg.text) + "只能用一个";
        }
        chosen = &arg;
        options.job = named->job;
    }
    if (options.usageError.empty() && options.job == Job::kCheck && !options.operands.empty()
        && options.operands.size() != 2) {
        options.usageError = std::string(kProgramName)
            + "：--check 要两个参数，小写金额和大写金额；不给参数时逐行读取标准输入";
    }
    return options;
}

} // namespace qhj::cli
