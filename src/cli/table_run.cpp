#include "cli/table_run.h"

#include "cli/utf8.h"
#include "face/face.h"

#include <algorithm>

namespace qhj::cli {

namespace {

constexpr std::u16string_view kShortRow = u"这一行的列数不够";

// The text of a field as UTF-16, into `out`; false when it is not text.
bool fieldText(std::string_view field, std::string& scratch, std::u16string& out)
{
    scratch.clear();
    appendFieldText(field, scratch);
    return decodeUtf8(scratch, out);
}

} // namespace

TableRun::TableRun(const Options& options, BufferedOutput& out, BufferedOutput& err)
    : m_options(options), m_out(out), m_err(err), m_notices(err), m_cell(m_cellSink, ""),
      m_task(taskFor(options, m_cell, m_notices))
{ }

bool TableRun::findColumns(const Record& first)
{
    std::vector<std::u16string> names;
    bool clean = true;
    if (m_options.header) {
        for (const std::string_view field : first.fields) {
            std::u16string name;
            clean = fieldText(field, m_field, name) && clean;
            names.emplace_back(face::trimmedBlanks(name));
        }
    }
    const bool check = m_options.job == Job::kCheck;
    const auto find = [&](const std::u16string& column) -> std::optional<std::size_t> {
        if (!isColumnNumber(column)) {
            const auto at = std::find(names.begin(), names.end(), column);
            if (at != names.end())
                return static_cast<std::size_t>(at - names.begin());
        } else if (column.size() < 6) {
            // Without a header, a blank first row tells nothing of the
            // table's width.
            const std::size_t number = std::stoul(utf8Of(column));
            const bool wide = number <= first.fields.size() || (!m_options.header && isBlank(first));
            if (number >= 1 && wide)
                return number - 1;
        }
        m_usageError = std::string(kProgramName) + "：表中没有“" + utf8Of(column) + "”这一列";
        if (!clean)
            m_usageError += "；表头不是能读出的文字，也许文件的编码不对，可以用 --encoding 指定";
        return std::nullopt;
    };
    const std::optional<std::size_t> figures = find(m_options.figuresColumn.value_or(u"1"));
    if (!figures)
        return false;
    m_figures = *figures;
    const std::optional<std::u16string> capitals = check ? m_options.capitalsColumn.value_or(u"2")
                                                         : m_options.capitalsColumn;
    if (capitals) {
        m_capitals = find(*capitals);
        if (!m_capitals)
            return false;
    }
    m_replace = !check && m_capitals;
    return true;
}

void TableRun::write(const Record& record, std::string_view cell)
{
    const std::string_view separator(&m_separator, 1);
    m_field.clear();
    appendField(cell, m_separator, m_field);
    // A quote the text left open is closed, so that what follows stays a
    // field of its own.
    const std::string_view close = record.openQuote ? "\"" : "";
    if (!m_replace) {
        m_out.writeUtf8(record.text);
        m_out.writeUtf8(close);
        m_out.writeUtf8(separator);
        m_out.writeUtf8(m_field);
    } else if (*m_capitals < record.fields.size()) {
        const std::string_view old = record.fields[*m_capitals];
        const auto at = static_cast<std::size_t>(old.data() - record.text.data());
        m_out.writeUtf8(record.text.substr(0, at));
        m_out.writeUtf8(m_field);
        m_out.writeUtf8(record.text.substr(at + old.size()));
        if (*m_capitals + 1 < record.fields.size())
            m_out.writeUtf8(close);
    } else {
        // A short row grows to the column.
        m_out.writeUtf8(record.text);
        m_out.writeUtf8(close);
        for (std::size_t i = record.fields.size(); i <= *m_capitals; ++i)
            m_out.writeUtf8(separator);
        m_out.writeUtf8(m_field);
    }
    m_out.writeUtf8(record.lineEnd);
}

void TableRun::row(const Record& record, std::size_t number)
{
    // A blank row stays as it was, in its place.
    if (isBlank(record)) {
        m_out.writeUtf8(record.text);
        m_out.writeUtf8(record.lineEnd);
        return;
    }
    ++m_rows;
    m_notices.setLine(number);
    const bool check = m_options.job == Job::kCheck;
    const std::size_t needed = std::max(m_figures, check ? *m_capitals : 0) + 1;
    if (record.fields.size() < needed)
        m_task->unreadable(kShortRow);
    else if (!fieldText(record.fields[m_figures], m_field, m_figuresText)
             || (check && !fieldText(record.fields[*m_capitals], m_field, m_capitalsText)))
        m_task->unreadable(kNotText);
    else if (check)
        m_task->pair(m_figuresText, m_capitalsText);
    else
        m_task->item(m_figuresText);
    m_cell.flush();
    const std::string_view cell = m_cellSink.text;
    if (cell.empty() || cell.starts_with("无法识别"))
        ++m_unreadable;
    else if (cell.starts_with("不一致"))
        ++m_disagreed;
    else
        ++m_good;
    write(record, cell);
    m_cellSink.text.clear();
}

void TableRun::summary()
{
    m_err.writeUtf8("共");
    m_err.writeNumber(m_rows);
    m_err.writeUtf8(m_options.job == Job::kCheck ? "行：一致" : "行：写出");
    m_err.writeNumber(m_good);
    if (m_options.job == Job::kCheck) {
        m_err.writeUtf8("，不一致");
        m_err.writeNumber(m_disagreed);
    }
    m_err.writeUtf8("，无法识别");
    m_err.writeNumber(m_unreadable);
    m_err.endLine();
}

bool TableRun::run(TextInput& input)
{
    // Until the output has gone anywhere, it follows what the input turns
    // out to be, unless the command line names an encoding.
    const auto follow = [&] {
        TextForm form = input.form();
        if (m_options.outputEncoding) {
            form.encoding = *m_options.outputEncoding;
            form.byteOrderMark = form.encoding == Encoding::kUtf16Le
                || (form.byteOrderMark && form.encoding == Encoding::kUtf8);
        }
        m_out.setForm(form);
    };
    TableReader reader(input);
    Record record;
    bool more = reader.next(record);
    std::size_t number = 0;
    if (more) {
        if (!findColumns(record))
            return true;
        m_separator = reader.separator();
    }
    if (more && m_options.header) {
        follow();
        // The header names the column added; a column filled in keeps its.
        if (m_replace) {
            m_out.writeUtf8(record.text);
            m_out.writeUtf8(record.lineEnd);
        } else {
            write(record, m_options.job == Job::kCheck ? kVerdictColumn : kCapitalsColumn);
        }
        number = 1;
        more = reader.next(record);
    }
    for (; more && !m_out.failed(); more = reader.next(record)) {
        follow();
        row(record, ++number);
    }
    follow();
    summary();
    return !reader.readFailed();
}

} // namespace qhj::cli
