#include "cli/text_input.h"

#include "cli/utf8.h"

#include <algorithm>
#include <cstring>

namespace qhj::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;

} // namespace

bool TextInput::readRaw(std::size_t size)
{
    const std::size_t at = m_raw.size();
    m_raw.resize(at + size);
    const std::ptrdiff_t n = m_source.read(m_raw.data() + at, size);
    m_raw.resize(at + static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)));
    if (n < 0)
        m_failed = true;
    return n > 0;
}

void TextInput::decode()
{
    const bool little = m_form == Form::kUtf16Le;
    std::u16string units;
    units.reserve(m_raw.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < m_raw.size(); i += 2) {
        const auto first = static_cast<unsigned char>(m_raw[i]);
        const auto second = static_cast<unsigned char>(m_raw[i + 1]);
        units += static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
    }
    m_decoder.feed(units, m_out);
    m_raw.erase(0, i);
}

std::ptrdiff_t TextInput::read(char* buffer, std::size_t size)
{
    if (m_form == Form::kUnknown) {
        // Enough to tell the mark: a second byte only after an FF or FE,
        // so that nobody typing is kept waiting.
        while ((m_raw.empty() || (m_raw.size() < 2 && (m_raw[0] == '\xFF' || m_raw[0] == '\xFE')))
               && readRaw(m_raw.empty() ? 2 : 1)) { }
        const std::string_view start(m_raw.data(), std::min<std::size_t>(m_raw.size(), 2));
        if (start == "\xFF\xFE" || start == "\xFE\xFF") {
            m_form = start == "\xFF\xFE" ? Form::kUtf16Le : Form::kUtf16Be;
            m_raw.erase(0, 2);
            // The mark goes on as UTF-8's, which the line reader takes off
            // as it does any: a U+FEFF after it stays text.
            m_out = "\xEF\xBB\xBF";
        } else {
            m_form = Form::kAsItIs;
            m_out.swap(m_raw);
        }
    }
    if (m_form == Form::kAsItIs) {
        if (m_taken < m_out.size()) {
            const std::size_t n = std::min(size, m_out.size() - m_taken);
            std::memcpy(buffer, m_out.data() + m_taken, n);
            m_taken += n;
            return static_cast<std::ptrdiff_t>(n);
        }
        return m_source.read(buffer, size);
    }
    while (m_taken == m_out.size() && !m_ended) {
        m_out.clear();
        m_taken = 0;
        if (readRaw(kChunk)) {
            decode();
            continue;
        }
        m_ended = true;
        // What the end cut off: a surrogate without its partner, half a unit.
        m_decoder.finish(m_out);
        if (!m_raw.empty())
            m_out += Utf16Decoder::kNotText;
    }
    if (m_failed && m_taken == m_out.size())
        return -1;
    const std::size_t n = std::min(size, m_out.size() - m_taken);
    std::memcpy(buffer, m_out.data() + m_taken, n);
    m_taken += n;
    return static_cast<std::ptrdiff_t>(n);
}

} // namespace qhj::cli
