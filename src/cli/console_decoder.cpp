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
    std::size_t i = 0;
    for (; i < units.size(); ++i) {
        const bool lineStart = i == 0 ? m_atLineStart : units[i - 1] == u'\n';
        if (units[i] == kCtrlZ && lineStart) {
            m_ended = true;
            break;
        }
    }
    const std::u16string_view ready = units.substr(0, i);
    if (!ready.empty())
        m_atLineStart = ready.back() == u'\n';
    m_decoder.feed(ready, out);
}

void ConsoleDecoder::finish(std::string& out)
{
    m_decoder.finish(out);
}

} // namespace qhj::cli
