// A spreadsheet through --check or --standard: every record written out
// again as it came, in order, with the job's result in a column beside it
// or in the column named for it, so that the sheet opens again in the
// spreadsheet it came from.
#pragma once

#include "cli/options.h"
#include "cli/output.h"
#include "cli/table.h"
#include "cli/tasks.h"
#include "cli/text_input.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace qhj::cli {

// The names of the columns the companion adds.
inline constexpr std::string_view kVerdictColumn = "核对结果";
inline constexpr std::string_view kCapitalsColumn = "大写金额";

class TableRun {
public:
    TableRun(const Options& options, BufferedOutput& out, BufferedOutput& err);

    // One table from `input`; false when reading it failed. When the table
    // lacks a column the command line names, nothing of it is written and
    // usageError() says why.
    bool run(TextInput& input);
    const std::string& usageError() const { return m_usageError; }
    // Whether every row so far was written exactly as given.
    bool succeeded() const { return m_task->succeeded(); }

private:
    // A string the job's one line of output goes to, to become a cell.
    class CellSink : public Sink {
    public:
        bool write(std::string_view bytes) override
        {
            text.append(bytes);
            return true;
        }
        std::string text;
    };

    // The columns named on the command line, found in the table's first
    // record; false, with the usage error set, when one is not there.
    bool findColumns(const Record& first);
    void row(const Record& record, std::size_t number);
    // Writes `record` with `cell` in the result's column.
    void write(const Record& record, std::string_view cell);
    void summary();

    const Options& m_options;
    BufferedOutput& m_out;
    BufferedOutput& m_err;
    LineNotices m_notices;
    CellSink m_cellSink;
    BufferedOutput m_cell;
    std::unique_ptr<ItemTask> m_task;
    std::string m_usageError;

    char m_separator = ',';
    std::size_t m_figures = 0;
    std::optional<std::size_t> m_capitals;
    bool m_replace = false; // the result goes into m_capitals, not a new column
    std::string m_field;    // reused for each field and cell
    std::u16string m_figuresText;
    std::u16string m_capitalsText;
    // The rows counted, and how they came out: agreed or written, did not
    // agree, could not be read.
    std::size_t m_rows = 0;
    std::size_t m_good = 0;
    std::size_t m_disagreed = 0;
    std::size_t m_unreadable = 0;
};

} // namespace qhj::cli
