#include "cli/line_reader.h"

#include "cli/utf8.h"

#include <algorithm>
#include <cstring>

namespace qhj::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutCr(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

LineReader::LineReader(ByteSource& source, std::size_t capacity)
    : m_source(source), m_buffer(std::make_unique_for_overwrite<char[]>(std::max(capacity, kHeadBytes))),
      m_capacity(std::max(capacity, kHeadBytes))
{ }

std::string_view LineReader::span(std::size_t begin, std::size_t end) const
{
    return {m_buffer.get() + begin, end - begin};
}

void LineReader::fill()
{
    const std::ptrdiff_t n = m_source.read(m_buffer.get() + m_end, m_capacity - m_end);
    if (n > 0) {
        m_end += static_cast<std::size_t>(n);
    } else {
        m_eof = true;
        m_failed = n < 0;
    }
}

bool LineReader::next(Line& line)
{
    if (!m_started) {
        m_started = true;
        // Enough bytes to tell, but no wait for more once a short first line
        // has ended: someone may be typing.
        while (m_end < kByteOrderMark.size() && !m_eof && std::memchr(m_buffer.get(), '\n', m_end) == nullptr)
            fill();
        if (span(0, m_end).substr(0, kByteOrderMark.size()) == kByteOrderMark)
            m_begin = m_scan = kByteOrderMark.size();
    }
    for (;;) {
        const void* found = std::memchr(m_buffer.get() + m_scan, '\n', m_end - m_scan);
        if (found != nullptr) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - m_buffer.get());
            line = Line{withoutCr(span(m_begin, at))};
            m_begin = m_scan = at + 1;
            return true;
        }
        m_scan = m_end;
        if (m_eof) {
            if (m_begin == m_end)
                return false;
            line = Line{withoutCr(span(m_begin, m_end))};
            m_begin = m_scan = m_end;
            return true;
        }
        if (m_end == m_capacity) {
            if (m_begin == 0) {
                readLongLine(line);
                return true;
            }
            // Move the start of the line to the front to make room.
            std::memmove(m_buffer.get(), m_buffer.get() + m_begin, m_end - m_begin);
            m_end -= m_begin;
            m_scan -= m_begin;
            m_begin = 0;
        }
        fill();
    }
}

// The buffer is full and holds no line end: keep the line's beginning, and
// of the rest only whether it is UTF-8 and how many points it holds.
void LineReader::readLongLine(Line& line)
{
    m_head.assign(m_buffer.get(), kHeadBytes);
    Utf8Validator validator;
    std::size_t points = 0;
    const auto take = [&](std::string_view chunk) {
        validator.feed(chunk);
        if (points < 2)
            points += static_cast<std::size_t>(std::count(chunk.begin(), chunk.end(), '.'));
    };
    take(span(0, m_end));
    m_begin = m_scan = m_end = 0;
    for (;;) {
        fill();
        if (m_end == 0)
            break; // the input ended with the line
        const void* found = std::memchr(m_buffer.get(), '\n', m_end);
        if (found != nullptr) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - m_buffer.get());
            take(span(0, at));
            m_begin = m_scan = at + 1;
            break;
        }
        take(span(0, m_end));
        m_end = 0;
    }
    line.bytes = wholeCharacters(m_head);
    line.truncated = true;
    line.valid = validator.complete();
    line.points = static_cast<int>(std::min<std::size_t>(points, 2));
}

} // namespace qhj::cli
