#include "cli/convert_command.h"

#include "cli/options.h"
#include "cli/tasks.h"
#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/standard_form.h"

#include <ctime>
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

void ioError(BufferedOutput& err, std::string_view what)
{
    err.writeUtf8(kProgramName);
    err.writeUtf8("：");
    err.writeUtf8(what);
    err.endLine();
}

std::unique_ptr<ItemTask> taskFor(Job job, BufferedOutput& out, LineNoticeBox& notices)
{
    switch (job) {
    case Job::kStandard:
        return std::make_unique<ConvertTask>(conversion::convertAmountStandard, out, notices);
    case Job::kRead:
        return std::make_unique<ReadTask>(out, notices);
    case Job::kCheck:
        return std::make_unique<CheckTask>(out, notices);
    case Job::kDate:
        return std::make_unique<DateTask>(out, notices);
    default:
        return std::make_unique<ConvertTask>(conversion::ConvertAmount, out, notices);
    }
}

// Today in the local time zone, as a cheque is dated.
void today(DateTask& task)
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    task.date(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
}

// The operands one by one, or, with none, the lines of standard input;
// false when reading the input failed.
bool runItems(const Options& options, ItemTask& task, LineNoticeBox& notices, ByteSource& input,
              BufferedOutput& out, BufferedOutput& err, std::size_t lineCapacity)
{
    std::size_t number = 0;
    if (options.job == Job::kCheck && options.operands.size() == 2) {
        notices.setLine(++number);
        const Argument& figures = *options.operands[0];
        const Argument& capitals = *options.operands[1];
        if (figures.valid && capitals.valid)
            static_cast<CheckTask&>(task).pair(figures.text, capitals.text);
        else
            task.item(std::nullopt);
        return true;
    }
    if (options.job == Job::kDate && options.operands.empty()) {
        notices.setLine(++number);
        today(static_cast<DateTask&>(task));
        return true;
    }
    if (!options.operands.empty()) {
        for (const Argument* arg : options.operands) {
            notices.setLine(++number);
            task.item(arg->valid ? std::optional<std::u16string_view>(arg->text) : std::nullopt);
            if (out.failed())
                break;
        }
        return true;
    }
    FlushingSource source(input, out, err);
    LineReader reader(source, lineCapacity);
    Line line;
    std::u16string text;
    while (!out.failed() && reader.next(line)) {
        notices.setLine(++number);
        if (line.truncated)
            task.longLine(line);
        else if (decodeUtf8(line.bytes, text))
            task.item(text);
        else
            task.item(std::nullopt);
    }
    return !reader.readFailed();
}

} // namespace

int runConvert(const std::vector<Argument>& args, ByteSource& input, BufferedOutput& out, BufferedOutput& err,
               std::size_t lineCapacity)
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

    LineNoticeBox notices(err);
    const std::unique_ptr<ItemTask> task = taskFor(options.job, out, notices);
    const bool readOk = runItems(options, *task, notices, input, out, err, lineCapacity);
    const bool written = out.flush();
    if (!readOk)
        ioError(err, "读取标准输入失败");
    if (!written)
        ioError(err, "写入标准输出失败");
    err.flush();
    return task->succeeded() && readOk && written ? kExitConverted : kExitFailed;
}

} // namespace qhj::cli
