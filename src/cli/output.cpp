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

void BufferedOutput::setForm(TextForm form)
{
    if (m_sent || m_sink.isTerminal())
        return;
    m_form = form;
    m_markDue = form.byteOrderMark;
}

void BufferedOutput::send(std::string_view bytes)
{
    if (m_failed)
        return;
    m_sent = true;
    if (m_form.encoding == Encoding::kUtf8 && !m_markDue) {
        m_failed = !m_sink.write(bytes);
        return;
    }
    m_encoded.clear();
    if (m_markDue)
        m_encoded = byteOrderMark(m_form.encoding);
    m_markDue = false;
    encodeText(bytes, m_form.encoding, m_encoded);
    m_failed = !m_sink.write(m_encoded);
}

bool BufferedOutput::flush()
{
    if (m_size > 0)
        send(std::string_view(m_buffer.get(), m_size));
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
    } else {
        send(bytes);
    }
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
