// In-memory standard streams for the command's tests.
#pragma once

#include "cli/line_reader.h"
#include "cli/output.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace qhj::cli::testing {

// Gives `bytes` at most `chunk` bytes a read; then the end, or an error.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string bytes, std::size_t chunk = 1 << 16, bool failAtEnd = false)
        : m_bytes(std::move(bytes)), m_chunk(chunk), m_failAtEnd(failAtEnd)
    { }
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        ++reads;
        if (onRead)
            onRead();
        const std::size_t n = std::min({size, m_chunk, m_bytes.size() - m_at});
        if (n == 0)
            return m_failAtEnd ? -1 : 0;
        std::memcpy(buffer, m_bytes.data() + m_at, n);
        m_at += n;
        return static_cast<std::ptrdiff_t>(n);
    }

    int reads = 0;
    std::function<void()> onRead;

private:
    std::string m_bytes;
    std::size_t m_chunk;
    bool m_failAtEnd;
    std::size_t m_at = 0;
};

class StringSink : public Sink {
public:
    bool write(std::string_view bytes) override
    {
        ++writes;
        if (broken)
            return false;
        text += bytes;
        return true;
    }
    std::string text;
    int writes = 0;
    bool broken = false;
};

// `text` in UTF-16 LE after its byte-order mark, as spreadsheets save
// "Unicode text", or BE.
inline std::string utf16(std::u16string_view text, bool little = true)
{
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += little ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

} // namespace qhj::cli::testing
