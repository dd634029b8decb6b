#include "cli/console_decoder.h"

#include "cli/utf8.h"

namespace qhj::cli {

namespace {

constexpr char16_t kCtrlZ = u'\x1A';

} // namespace

void ConsoleDecoder::feed(std::u16string_view units, std::string& out)
{
    if (m_ended)
        return;
    // m_text holds at most a high surrogate from the read before.
    const std::size_t from = m_text.size();
    m_text.append(units);
    for (std::size_t i = from; i < m_text.size(); ++i) {
        const bool lineStart = i == 0 ? m_atLineStart : m_text[i - 1] == u'\n';
        if (m_text[i] == kCtrlZ && lineStart) {
            m_text.resize(i);
            m_ended = true;
            break;
        }
    }
    std::u16string_view ready = m_text;
    if (!m_ended && !ready.empty() && isHighSurrogate(ready.back()))
        ready.remove_suffix(1);
    if (!ready.empty())
        m_atLineStart = ready.back() == u'\n';
    appendUtf8(ready, out);
    m_text.erase(0, ready.size());
}

void ConsoleDecoder::finish(std::string& out)
{
    appendUtf8(m_text, out);
    m_text.clear();
}

} // namespace qhj::cli
