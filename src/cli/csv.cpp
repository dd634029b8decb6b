#include "cli/csv.h"

namespace qhj::cli {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Whether the record starting at `pos` has a tab outside quotes.
bool tabSeparated(std::string_view text, std::size_t pos)
{
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\t')
            return true;
        else if (!quoted && c == '\n')
            return false;
    }
    return false;
}

} // namespace

CsvReader::CsvReader(std::string_view text) : m_text(text)
{
    if (m_text.substr(0, kBom.size()) == kBom)
        m_pos = kBom.size();
    m_separator = tabSeparated(m_text, m_pos) ? '\t' : ',';
}

bool CsvReader::next(std::vector<std::string>& fields)
{
    // Empty lines are no records.
    while (m_pos < m_text.size() && (m_text[m_pos] == '\n' || m_text.substr(m_pos, 2) == "\r\n")) {
        m_pos += m_text[m_pos] == '\n' ? 1u : 2u;
        ++m_line;
    }
    if (m_pos >= m_text.size())
        return false;
    m_recordLine = m_line;
    fields.assign(1, std::string());
    bool quoted = false;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (quoted) {
            if (c == '"' && m_pos < m_text.size() && m_text[m_pos] == '"') {
                fields.back() += '"';
                ++m_pos;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++m_line;
                fields.back() += c;
            }
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else if (c == m_separator) {
            fields.emplace_back();
        } else if (c == '\n') {
            ++m_line;
            break;
        } else if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
            continue; // the LF ends the record
        } else {
            fields.back() += c;
        }
    }
    return true;
}

} // namespace qhj::cli
