#include "cli/convert_command.h"

#include "cli/csv.h"
#include "cli/options.h"
#include "cli/tasks.h"
#include "cli/text_input.h"
#include "cli/utf8.h"
#include "conversion/amount.h"
#include "conversion/standard_form.h"

#include <algorithm>
#include <memory>

namespace qhj::cli {

namespace {

// Lets what has been written so far out before waiting for more input, so
// a person typing amounts sees each answer at once.
class FlushingSource : public ByteSource {
public:
    FlushingSource(ByteSource& source, BufferedOutput& out, BufferedOutput& err)
        : m_source(source), m_out(out), m_err(err)
    { }
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        m_err.flush();
        m_out.flush();
        return m_source.read(buffer, size);
    }

private:
    ByteSource& m_source;
    BufferedOutput& m_out;
    BufferedOutput& m_err;
};

void usageError(BufferedOutput& err, std::string_view message)
{
    err.writeUtf8(message);
    err.endLine();
    err.writeUtf8("用“");
    err.writeUtf8(kProgramName);
    err.writeUtf8(" --help”查看用法；以“-”开头的金额请写在“--”之后。");
    err.endLine();
}

void ioError(BufferedOutput& err, const std::string& what)
{
    err.writeUtf8(kProgramName);
    err.writeUtf8("：");
    err.writeUtf8(what);
    err.endLine();
}

std::unique_ptr<ItemTask> taskFor(const Options& options, BufferedOutput& out, LineNotices& notices)
{
    switch (options.job) {
    case Job::kStandard: {
        return std::make_unique<StandardTask>(
            options.renminbi ? face::Form::kRenminbi : face::Form::kStandard, out, notices);
    }
    case Job::kRead:
        return std::make_unique<ReadTask>(out, notices);
    case Job::kCheck:
        return std::make_unique<CheckTask>(out, notices);
    case Job::kDate:
        return std::make_unique<DateTask>(out, notices);
    default:
        return std::make_unique<ConvertTask>(out, notices);
    }
}

std::optional<std::u16string_view> textOf(const Argument& arg)
{
    return arg.valid ? std::optional<std::u16string_view>(arg.text) : std::nullopt;
}

// A column given by its number from 1, or by its name in `header`; nullopt
// when there is no such column.
std::optional<std::size_t> columnIndex(std::u16string_view column, const std::vector<std::u16string>& header)
{
    if (!column.empty() && column.size() < 6
        && std::all_of(column.begin(), column.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        std::size_t number = 0;
        for (const char16_t c : column)
            number = number * 10 + static_cast<std::size_t>(c - u'0');
        if (number == 0)
            return std::nullopt;
        return number - 1;
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == column)
            return i;
    }
    return std::nullopt;
}

// Runs the items of a program's inputs, in order.
class Items {
public:
    Items(const Options& options, ItemTask& task, LineNotices& notices, BufferedOutput& out,
          BufferedOutput& err, std::size_t lineCapacity)
        : m_options(options), m_task(task), m_notices(notices), m_out(out), m_err(err),
          m_lineCapacity(lineCapacity)
    { }

    void text(std::optional<std::u16string_view> text)
    {
        m_notices.setLine(++m_number);
        m_task.item(text);
    }

    // The figures and capitals of --check given as two arguments.
    void pair(const Argument& figures, const Argument& capitals)
    {
        m_notices.setLine(++m_number);
        if (figures.valid && capitals.valid)
            m_task.pair(figures.text, capitals.text);
        else
            m_task.item(std::nullopt);
    }

    // Each line of `source`, or each row of it as a table; false when
    // reading it failed.
    bool source(ByteSource& source) { return m_options.csv ? table(source) : lines(source); }

private:
    bool lines(ByteSource& input)
    {
        FlushingSource source(input, m_out, m_err);
        LineReader reader(source, m_lineCapacity);
        Line line;
        std::u16string text;
        while (!m_out.failed() && reader.next(line)) {
            m_notices.setLine(++m_number);
            if (line.truncated)
                m_task.longLine(line);
            else
                decoded(line.bytes, text);
        }
        return !reader.readFailed();
    }

    // The line as text, decoded into `text`, which only ever grows: a
    // line costs no allocation and no clearing.
    void decoded(std::string_view bytes, std::u16string& text)
    {
        if (text.size() < bytes.size())
            text.resize(bytes.size());
        const std::optional<std::size_t> units = decodeUtf8(bytes, text.data());
        if (units)
            m_task.item(std::u16string_view(text.data(), *units));
        else
            m_task.item(std::nullopt);
    }

    // One verdict for each data row of a spreadsheet.
    bool table(ByteSource& source)
    {
        std::string bytes;
        char buffer[1 << 16];
        for (std::ptrdiff_t n; (n = source.read(buffer, sizeof buffer)) != 0;) {
            if (n < 0)
                return false;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        CsvReader reader(bytes);
        std::vector<std::string> fields;
        std::vector<std::u16string> texts;
        std::vector<bool> valid;
        const auto decodeRow = [&] {
            texts.assign(fields.size(), std::u16string());
            valid.assign(fields.size(), false);
            for (std::size_t i = 0; i < fields.size(); ++i)
                valid[i] = decodeUtf8(fields[i], texts[i]);
        };
        std::vector<std::u16string> header;
        if (m_options.header && reader.next(fields)) {
            decodeRow();
            for (std::u16string& name : texts)
                header.push_back(std::u16string(conversion::trimmedBlanks(name)));
        }
        const std::optional<std::size_t> figures = columnIndex(m_options.figuresColumn, header);
        const std::optional<std::size_t> capitals = columnIndex(m_options.capitalsColumn, header);
        while (!m_out.failed() && reader.next(fields)) {
            m_notices.setLine(reader.line());
            decodeRow();
            if (!figures || !capitals) {
                m_task.unreadable(u"表中没有“"
                                  + (figures ? m_options.capitalsColumn : m_options.figuresColumn)
                                  + u"”这一列");
            } else if (*figures >= texts.size() || *capitals >= texts.size()) {
                m_task.unreadable(u"这一行的列数不够");
            } else if (!valid[*figures] || !valid[*capitals]) {
                m_task.unreadable(kNotText);
            } else {
                m_task.pair(texts[*figures], texts[*capitals]);
            }
        }
        return true;
    }

    const Options& m_options;
    ItemTask& m_task;
    LineNotices& m_notices;
    BufferedOutput& m_out;
    BufferedOutput& m_err;
    std::size_t m_lineCapacity;
    std::size_t m_number = 0;
};

// The inputs one by one, or, with none, standard input; false when reading
// an input failed, after saying which.
bool runItems(const Options& options, ItemTask& task, LineNotices& notices, ByteSource& input,
              BufferedOutput& out, BufferedOutput& err, std::size_t lineCapacity, FileOpener openFile)
{
    Items items(options, task, notices, out, err, lineCapacity);
    // With --check, the two arguments are one pair, checked first; files
    // and "-" give lines of pairs.
    const bool textsArePair = options.job == Job::kCheck && options.texts == 2;
    if (textsArePair) {
        std::vector<const Argument*> texts;
        for (const Input& in : options.inputs) {
            if (in.kind == Input::Kind::kText)
                texts.push_back(in.arg);
        }
        items.pair(*texts[0], *texts[1]);
    }
    if (options.inputs.empty()) {
        notices.setLine(1);
        if (task.ownItem())
            return true;
        return items.source(input) || (ioError(err, "读取标准输入失败"), false);
    }
    bool ok = true;
    for (const Input& in : options.inputs) {
        if (out.failed())
            break;
        switch (in.kind) {
        case Input::Kind::kText:
            if (!textsArePair)
                items.text(textOf(*in.arg));
            break;
        case Input::Kind::kStandardInput:
            if (!items.source(input)) {
                ioError(err, "读取标准输入失败");
                ok = false;
            }
            break;
        case Input::Kind::kFile: {
            std::unique_ptr<ByteSource> file = openFile != nullptr ? openFile(in.file) : nullptr;
            std::string name;
            appendUtf8(in.file, name);
            if (file == nullptr) {
                ioError(err, "无法打开文件“" + name + "”");
                ok = false;
                break;
            }
            TextInput text(*file);
            if (!items.source(text)) {
                ioError(err, "读取文件“" + name + "”失败");
                ok = false;
            }
            break;
        }
        }
    }
    return ok;
}

} // namespace

int runConvert(const std::vector<Argument>& args, ByteSource& input, BufferedOutput& out, BufferedOutput& err,
               std::size_t lineCapacity, FileOpener openFile)
{
    const Options options = parseOptions(args);
    if (options.job == Job::kHelp || options.job == Job::kVersion) {
        if (options.job == Job::kHelp) {
            out.writeUtf8(kHelpText);
        } else {
            out.writeUtf8(kVersionText);
            out.endLine();
        }
        if (out.flush())
            return kExitConverted;
        ioError(err, "写入标准输出失败");
        err.flush();
        return kExitFailed;
    }
    if (!options.usageError.empty()) {
        usageError(err, options.usageError);
        err.flush();
        return kExitUsage;
    }

    LineNotices notices(err);
    const std::unique_ptr<ItemTask> task = taskFor(options, out, notices);
    const bool readOk = runItems(options, *task, notices, input, out, err, lineCapacity, openFile);
    const bool written = out.flush();
    if (!written)
        ioError(err, "写入标准输出失败");
    err.flush();
    return task->succeeded() && readOk && written ? kExitConverted : kExitFailed;
}

} // namespace qhj::cli
