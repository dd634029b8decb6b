#include "cli/convert_command.h"

#include "cli/options.h"
#include "cli/table_run.h"
#include "cli/tasks.h"
#include "cli/text_input.h"
#include "cli/utf8.h"

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

std::optional<std::u16string_view> textOf(const Argument& arg)
{
    return arg.valid ? std::optional<std::u16string_view>(arg.text) : std::nullopt;
}

// Runs the items of a program's inputs, in order.
class Items {
public:
    Items(const Options& options, ItemTask& task, TableRun* table, LineNotices& notices, BufferedOutput& out,
          BufferedOutput& err, std::size_t lineCapacity)
        : m_options(options), m_task(task), m_table(table), m_notices(notices), m_out(out), m_err(err),
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

    // Each line of `source`, or each row of it as a table, in whatever
    // encoding it came; false when reading it failed.
    bool source(ByteSource& input)
    {
        FlushingSource source(input, m_out, m_err);
        TextInput text(source, m_options.encoding);
        return m_table != nullptr ? m_table->run(text) : lines(text);
    }

private:
    bool lines(ByteSource& source)
    {
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

    const Options& m_options;
    ItemTask& m_task;
    TableRun* m_table;
    LineNotices& m_notices;
    BufferedOutput& m_out;
    BufferedOutput& m_err;
    std::size_t m_lineCapacity;
    std::size_t m_number = 0;
};

// The inputs one by one, or, with none, standard input; false when reading
// an input failed, after saying which.
bool runItems(const Options& options, ItemTask& task, TableRun* table, LineNotices& notices,
              ByteSource& input, BufferedOutput& out, BufferedOutput& err, std::size_t lineCapacity,
              FileOpener openFile)
{
    Items items(options, task, table, notices, out, err, lineCapacity);
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
        if (out.failed() || (table != nullptr && !table->usageError().empty()))
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
            if (!items.source(*file)) {
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

    if (options.outputEncoding)
        out.setForm({*options.outputEncoding, *options.outputEncoding == Encoding::kUtf16Le});
    LineNotices notices(err);
    const std::unique_ptr<ItemTask> task = taskFor(options, out, notices);
    std::optional<TableRun> table;
    if (options.csv)
        table.emplace(options, out, err);
    const bool readOk =
        runItems(options, *task, table ? &*table : nullptr, notices, input, out, err, lineCapacity, openFile);
    if (table && !table->usageError().empty()) {
        usageError(err, table->usageError());
        err.flush();
        return kExitUsage;
    }
    const bool written = out.flush();
    if (!written)
        ioError(err, "写入标准输出失败");
    err.flush();
    const bool succeeded = task->succeeded() && (!table || table->succeeded());
    return succeeded && readOk && written ? kExitConverted : kExitFailed;
}

} // namespace qhj::cli
