#include "cli/output.h"

#include "cli/utf8.h"

#include <charconv>
#include <cstring>

namespace qhj::cli {

BufferedOutput::BufferedOutput(Sink& sink, std::string_view lineEnd, std::size_t capacity)
    : m_sink(sink), m_lineEnd(lineEnd), m_buffer(new char[capacity]), m_capacity(capacity)
{ }

BufferedOutput::~BufferedOutput()
{
    flush();
}

bool BufferedOutput::flush()
{
    if (m_size > 0 && !m_failed)
        m_failed = !m_sink.write(std::string_view(m_buffer.get(), m_size));
    m_size = 0;
    return !m_failed;
}

bool BufferedOutput::reserve(std::size_t size)
{
    if (m_size + size > m_capacity)
        flush();
    return size <= m_capacity;
}

void BufferedOutput::write(std::u16string_view text)
{
    if (reserve(text.size() * kMaxUtf8PerUnit)) {
        m_size = static_cast<std::size_t>(encodeUtf8(text, m_buffer.get() + m_size) - m_buffer.get());
    } else {
        std::string bytes;
        appendUtf8(text, bytes);
        writeUtf8(bytes);
    }
}

void BufferedOutput::writeUtf8(std::string_view bytes)
{
    if (bytes.empty())
        return;
    if (reserve(bytes.size())) {
        std::memcpy(m_buffer.get() + m_size, bytes.data(), bytes.size());
        m_size += bytes.size();
    } else if (!m_failed)
        m_failed = !m_sink.write(bytes);
}

void BufferedOutput::writeNumber(std::uint64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    writeUtf8(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void BufferedOutput::endLine()
{
    writeUtf8(m_lineEnd);
}

} // namespace qhj::cli
