#include "cli/options.h"

#include "cli/utf8.h"

#include <array>
#include <optional>
#include <string_view>

namespace qhj::cli {

namespace {

enum class What {
    kJob,
    kRenminbi,
    kCsv,
    kHeader,
    kFile,
    kFiguresColumn,
    kCapitalsColumn,
    kEncoding,
    kOutputEncoding,
};

struct Named {
    std::u16string_view name;
    std::u16string_view shortName;
    What what;
    Job job = Job::kConvert;
};

constexpr std::array<Named, 14> kOptions = {{
    {u"--standard", u"", What::kJob, Job::kStandard},
    {u"--read", u"", What::kJob, Job::kRead},
    {u"--check", u"", What::kJob, Job::kCheck},
    {u"--date", u"", What::kJob, Job::kDate},
    {u"--help", u"-h", What::kJob, Job::kHelp},
    {u"--version", u"-V", What::kJob, Job::kVersion},
    {u"--rmb", u"", What::kRenminbi},
    {u"--csv", u"", What::kCsv},
    {u"--header", u"", What::kHeader},
    {u"--file", u"-f", What::kFile},
    {u"--figures", u"", What::kFiguresColumn},
    {u"--capitals", u"", What::kCapitalsColumn},
    {u"--encoding", u"", What::kEncoding},
    {u"--output-encoding", u"", What::kOutputEncoding},
}};

bool takesValue(What what)
{
    return what == What::kFile || what == What::kFiguresColumn || what == What::kCapitalsColumn
        || what == What::kEncoding || what == What::kOutputEncoding;
}

std::string quoted(std::u16string_view text)
{
    return "“" + utf8Of(text) + "”";
}

bool isOption(const Argument& arg)
{
    const std::u16string_view text = arg.text;
    if (!arg.valid || text.size() < 2 || text[0] != u'-')
        return false;
    const char16_t second = text[1];
    return second == u'-' || (second >= u'a' && second <= u'z') || (second >= u'A' && second <= u'Z');
}

const Named* find(std::u16string_view name)
{
    for (const Named& option : kOptions) {
        if (option.name == name || (!option.shortName.empty() && option.shortName == name))
            return &option;
    }
    return nullptr;
}

std::string error(std::string_view what)
{
    return std::string(kProgramName) + "：" + std::string(what);
}

// What the command line asks for, checked as a whole.
std::string checkCombination(const Options& options)
{
    if (options.job == Job::kCheck && !options.csv && options.texts != 0 && options.texts != 2)
        return error("--check 要两个参数，小写金额和大写金额；不给参数时逐行读取标准输入");
    if (options.renminbi && options.job != Job::kStandard)
        return error("--rmb 只能和 --standard 一起用");
    if ((options.header || options.csv) && options.job != Job::kCheck && options.job != Job::kStandard)
        return error("--csv 和 --header 只能和 --check 或 --standard 一起用");
    if (options.csv && options.texts != 0)
        return error("--csv 从文件或标准输入读取表格，不能直接给金额");
    if (options.csv && options.job == Job::kStandard && !options.figuresColumn)
        return error("--standard --csv 要用 --figures 指明小写金额所在的列");
    for (const auto* column : {&options.figuresColumn, &options.capitalsColumn}) {
        if (*column && !isColumnNumber(**column) && !options.header)
            return error("按列名" + quoted(**column) + "找列要加 --header");
    }
    return {};
}

} // namespace

bool isColumnNumber(std::u16string_view column)
{
    return !column.empty() && column.find_first_not_of(u"0123456789") == column.npos;
}

// The first of --help, --version and an unknown option decides at once.
Options parseOptions(const std::vector<Argument>& args)
{
    Options options;
    const Argument* chosen = nullptr;
    bool optionsEnded = false;
    bool columnsNamed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Argument& arg = args[i];
        if (!optionsEnded && arg.valid && arg.text == u"-") {
            options.inputs.push_back({Input::Kind::kStandardInput, nullptr, {}});
            continue;
        }
        if (optionsEnded || !isOption(arg)) {
            options.inputs.push_back({Input::Kind::kText, &arg, {}});
            ++options.texts;
            continue;
        }
        if (arg.text == u"--") {
            optionsEnded = true;
            continue;
        }
        // --name=value, for the options that take a value.
        std::u16string_view name = arg.text;
        std::optional<std::u16string_view> inlineValue;
        if (const std::size_t equals = name.find(u'='); name.starts_with(u"--") && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const Named* named = find(name);
        if (named == nullptr || (inlineValue && !takesValue(named->what))) {
            options.usageError = error("无法识别的选项" + quoted(arg.text));
            return options;
        }
        if (named->job == Job::kHelp || named->job == Job::kVersion) {
            options.job = named->job;
            options.usageError.clear();
            return options;
        }
        const Argument* value = nullptr;
        if (takesValue(named->what) && !inlineValue) {
            if (i + 1 == args.size() || !args[i + 1].valid) {
                options.usageError = error("选项" + quoted(name) + "后面缺少参数");
                return options;
            }
            value = &args[++i];
        }
        const std::u16string valueText = inlineValue ? std::u16string(*inlineValue)
            : value                                  ? value->text
                                                     : u"";
        switch (named->what) {
        case What::kJob:
            if (chosen != nullptr && chosen->text != arg.text && options.usageError.empty())
                options.usageError =
                    error("选项" + quoted(chosen->text) + "和" + quoted(arg.text) + "只能用一个");
            chosen = &arg;
            options.job = named->job;
            break;
        case What::kRenminbi:
            options.renminbi = true;
            break;
        case What::kCsv:
            options.csv = true;
            break;
        case What::kHeader:
            options.header = true;
            break;
        case What::kFile:
            options.inputs.push_back({Input::Kind::kFile, nullptr, valueText});
            break;
        case What::kFiguresColumn:
            options.figuresColumn = valueText;
            columnsNamed = true;
            break;
        case What::kCapitalsColumn:
            options.capitalsColumn = valueText;
            columnsNamed = true;
            break;
        case What::kEncoding:
        case What::kOutputEncoding:
            const std::optional<Encoding> encoding = encodingNamed(valueText);
            if (!encoding && options.usageError.empty())
                options.usageError =
                    error("无法识别的编码" + quoted(valueText) + "，可用 utf-8、utf-16 或 gb18030");
            (named->what == What::kEncoding ? options.encoding : options.outputEncoding) = encoding;
            break;
        }
    }
    if (options.usageError.empty() && columnsNamed && !options.csv)
        options.usageError = error("--figures 和 --capitals 只能和 --csv 一起用");
    if (options.usageError.empty())
        options.usageError = checkCombination(options);
    return options;
}

} // namespace qhj::cli
