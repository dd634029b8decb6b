#include "cli/table.h"

#include <algorithm>
#include <cstring>

namespace qhj::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Follows the quotes through a record's bytes: a quote opens a field only as
// its first byte, and closes it unless another follows.
class Scanner {
public:
    // Fields are separated by `separator`, or by `other` too.
    explicit Scanner(char separator, char other = '\n') : m_separator(separator), m_other(other) { }

    // Takes byte `i` of `text`; true when it is a separator or line feed
    // outside quotes.
    bool structural(std::string_view text, std::size_t& i)
    {
        const char c = text[i];
        if (m_quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"')
                    ++i;
                else
                    m_quoted = false;
            }
            return false;
        }
        if (c == '"' && m_fieldStart) {
            m_quoted = true;
            m_fieldStart = false;
            return false;
        }
        m_fieldStart = c == '\n' || c == m_separator || c == m_other;
        return m_fieldStart;
    }
    bool quoted() const { return m_quoted; }

private:
    char m_separator;
    char m_other;
    bool m_quoted = false;
    bool m_fieldStart = true;
};

} // namespace

void appendFieldText(std::string_view field, std::string& out)
{
    if (field.empty() || field.front() != '"') {
        out.append(field);
        return;
    }
    bool quoted = true;
    for (std::size_t i = 1; i < field.size(); ++i) {
        const char c = field[i];
        if (quoted && c == '"') {
            if (i + 1 < field.size() && field[i + 1] == '"')
                out += field[++i];
            else
                quoted = false;
        } else {
            out += c;
        }
    }
}

bool isBlank(const Record& record)
{
    std::string text;
    return std::all_of(record.fields.begin(), record.fields.end(), [&text](std::string_view field) {
        text.clear();
        appendFieldText(field, text);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 3, "\u3000") == 0)
                i += 2;
            else if (text[i] != ' ' && text[i] != '\t')
                return false;
        }
        return true;
    });
}

void appendField(std::string_view text, char separator, std::string& out)
{
    if (text.find_first_of(std::string{'"', '\r', '\n', separator}) == std::string_view::npos) {
        out.append(text);
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
}

TableReader::TableReader(ByteSource& source, std::size_t capacity)
    : m_source(source), m_buffer(capacity, '\0')
{ }

bool TableReader::fill()
{
    if (m_ended)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2); // a record longer than the buffer
    const std::ptrdiff_t n = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (n <= 0) {
        m_ended = true;
        m_failed = n < 0;
        return false;
    }
    m_end += static_cast<std::size_t>(n);
    return true;
}

bool TableReader::scan(std::size_t& at)
{
    const std::string_view text(m_buffer.data() + m_begin, m_end - m_begin);
    Scanner scanner(m_separator);
    m_fieldEnds.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!scanner.structural(text, i))
            continue;
        m_fieldEnds.push_back(i);
        if (text[i] == '\n') {
            at = m_begin + i;
            m_openQuote = false;
            return true;
        }
    }
    if (!m_ended)
        return false;
    m_fieldEnds.push_back(text.size());
    m_openQuote = scanner.quoted();
    at = m_end;
    return true;
}

bool TableReader::next(Record& record)
{
    if (!m_started) {
        // The first record, whole, to choose the separator by: a tab
        // outside quotes makes it tab-separated.
        m_started = true;
        while (m_end < kByteOrderMark.size() && fill()) { }
        if (std::string_view(m_buffer.data(), m_end).starts_with(kByteOrderMark))
            m_begin = kByteOrderMark.size();
        for (bool whole = false; !whole;) {
            const std::string_view text(m_buffer.data() + m_begin, m_end - m_begin);
            Scanner scanner(',', '\t');
            m_separator = ',';
            for (std::size_t i = 0; i < text.size() && !whole; ++i) {
                if (scanner.structural(text, i)) {
                    whole = text[i] == '\n' || text[i] == '\t';
                    m_separator = text[i] == '\t' ? '\t' : ',';
                }
            }
            whole = whole || !fill();
        }
    }
    std::size_t at = 0;
    while (!scan(at))
        fill();
    if (m_begin == m_end && m_ended)
        return false;
    const std::string_view text(m_buffer.data() + m_begin, at - m_begin);
    record.text = text;
    record.lineEnd = at < m_end ? std::string_view(m_buffer.data() + at, 1) : std::string_view();
    if (!record.lineEnd.empty() && text.ends_with('\r')) {
        record.text.remove_suffix(1);
        record.lineEnd = std::string_view(m_buffer.data() + at - 1, 2);
        m_fieldEnds.back() -= 1;
    }
    record.fields.clear();
    std::size_t start = 0;
    for (const std::size_t end : m_fieldEnds) {
        record.fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    record.openQuote = m_openQuote;
    m_begin = at + (at < m_end ? 1 : 0);
    return true;
}

} // namespace qhj::cli
