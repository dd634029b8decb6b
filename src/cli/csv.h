// Spreadsheets saved as text, for checking a column of figures against a
// column of capitals: CSV as RFC 4180 has it, and the tab-separated
// "Unicode text" that spreadsheets save.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::cli {

// Splits UTF-8 text into records of fields. Fields are separated by commas,
// or by tabs when the first record has a tab outside quotes. A field in
// double quotes may hold separators, line ends and "" for a quote. Records
// end at LF or CRLF; empty lines are no records, and a quote left open runs
// to the end of the text. A UTF-8 byte-order mark at the start is skipped.
class CsvReader {
public:
    explicit CsvReader(std::string_view text);

    // The next record's fields, without their quotes; false at the end.
    bool next(std::vector<std::string>& fields);
    // Which line of the text the record last given starts on, from 1.
    std::size_t line() const { return m_recordLine; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 0;
    char m_separator = ',';
};

} // namespace qhj::cli
