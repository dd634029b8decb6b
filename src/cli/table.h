// Spreadsheets saved as text: CSV as RFC 4180 has it, and the tab-separated
// "Unicode text" that spreadsheets save. Read a record at a time from a
// stream, in memory that does not grow with the table, and kept as the
// bytes they stood in, so that a record can be written out again exactly
// as it came.
#pragma once

#include "cli/line_reader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::cli {

// One record, as it stands in the text. Its views last until the next.
struct Record {
    std::string_view text;                // quotes and all, without its line end
    std::string_view lineEnd;             // "\r\n", "\n", or "" at the very end
    std::vector<std::string_view> fields; // each field's bytes, quotes and all
    bool openQuote = false;               // the text ended inside quotes
};

// A field's text: without its quotes, "" read as one quote.
void appendFieldText(std::string_view field, std::string& out);

// Whether every field of `record` holds nothing but blanks.
bool isBlank(const Record& record);

// Appends `text` as a field, in quotes when it holds the separator, a
// quote or a line end.
void appendField(std::string_view text, char separator, std::string& out);

// Splits UTF-8 text into records of fields. Fields are separated by commas,
// or by tabs when the first record has a tab outside quotes. A field that
// starts with a double quote may hold separators, line ends and "" for a
// quote; a quote left open runs to the end of the text. Records end at LF
// or CRLF; an empty line is a record of one empty field, as a spreadsheet
// reads it. A UTF-8 byte-order mark at the start is skipped.
class TableReader {
public:
    explicit TableReader(ByteSource& source, std::size_t capacity = std::size_t{1} << 16);

    // The next record; false at the end, or when reading failed.
    bool next(Record& record);
    bool readFailed() const { return m_failed; }
    char separator() const { return m_separator; }

private:
    // Reads more onto the buffer, after moving what is unread to its
    // start; false at the end.
    bool fill();
    // Where the record at m_begin ends (its line feed, or m_end), when the
    // buffer holds all of it, and where each of its fields ends.
    bool scan(std::size_t& at);

    ByteSource& m_source;
    std::string m_buffer;
    std::size_t m_begin = 0; // the next record's first byte
    std::size_t m_end = 0;   // bytes read so far
    bool m_ended = false;
    bool m_failed = false;
    bool m_started = false;
    char m_separator = ',';
    std::vector<std::size_t> m_fieldEnds; // from m_begin, of the record scanned
    bool m_openQuote = false;
};

} // namespace qhj::cli
