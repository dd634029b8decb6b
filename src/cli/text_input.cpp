#include "cli/text_input.h"

#include "cli/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qhj::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;
constexpr std::size_t kEnough = 1 << 12; // bytes to tell UTF-8 from GB18030 by
constexpr std::array<Encoding, 3> kMarked = {Encoding::kUtf8, Encoding::kUtf16Le, Encoding::kUtf16Be};

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

void TextInput::start()
{
    // Two bytes, the shortest mark, then one at a time while what is read
    // could still begin a mark, so that nobody typing is kept waiting.
    const auto couldBeMark = [this] {
        return std::any_of(kMarked.begin(), kMarked.end(), [this](Encoding e) {
            const std::string_view mark = byteOrderMark(e);
            return m_raw.size() < mark.size() && mark.starts_with(m_raw);
        });
    };
    bool more = true;
    while (more && couldBeMark())
        more = readRaw(m_raw.empty() ? 2 : 1);
    m_ended = !more;
    m_stage = Stage::kDecided;
    if (m_forced != Encoding::kGb18030) {
        for (const Encoding e : kMarked) {
            const std::string_view mark = byteOrderMark(e);
            const bool wanted = !m_forced || *m_forced == e
                || (*m_forced == Encoding::kUtf16Le && e != Encoding::kUtf8);
            if (wanted && std::string_view(m_raw).starts_with(mark)) {
                m_form = {e, true};
                m_raw.erase(0, mark.size());
                // The mark goes on as UTF-8's, which the readers take off as
                // they do any: a U+FEFF after it stays text.
                m_out = byteOrderMark(Encoding::kUtf8);
                return;
            }
        }
    }
    if (m_forced)
        m_form = {*m_forced, false};
    else
        m_stage = Stage::kAsciiSoFar;
}

void TextInput::decide(bool atEnd)
{
    const auto first = std::find_if(m_raw.begin(), m_raw.end(), [](char c) { return (c & 0x80) != 0; });
    const auto ascii = static_cast<std::size_t>(first - m_raw.begin());
    const std::string_view rest = std::string_view(m_raw).substr(ascii);
    // A whole line to judge by, or the end, or plenty: a piece may stop
    // after a few bytes that happen to be UTF-8 too.
    const std::size_t lineEnd = rest.rfind('\n');
    const std::string_view whole = atEnd ? rest
        : lineEnd != rest.npos           ? rest.substr(0, lineEnd)
        : rest.size() >= kEnough         ? wholeCharacters(rest)
                                         : std::string_view();
    if (whole.empty() && !atEnd) {
        // Nothing to judge yet: the ASCII goes on, the rest waits.
        m_out.append(m_raw, 0, ascii);
        m_raw.erase(0, ascii);
        return;
    }
    Utf8Validator validator;
    validator.feed(whole);
    m_stage = Stage::kDecided;
    m_form.encoding = validator.complete() ? Encoding::kUtf8 : Encoding::kGb18030;
}

void TextInput::decode(bool atEnd)
{
    if (m_stage == Stage::kAsciiSoFar)
        decide(atEnd);
    if (m_stage == Stage::kAsciiSoFar)
        return;
    m_units.clear();
    switch (m_form.encoding) {
    case Encoding::kUtf8:
        m_out += m_raw;
        m_raw.clear();
        return;
    case Encoding::kGb18030:
        m_raw.erase(0, decodeGb18030(m_raw, atEnd, m_units));
        break;
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be: {
        const bool little = m_form.encoding == Encoding::kUtf16Le;
        std::size_t i = 0;
        for (; i + 1 < m_raw.size(); i += 2) {
            const auto first = static_cast<unsigned char>(m_raw[i]);
            const auto second = static_cast<unsigned char>(m_raw[i + 1]);
            m_units += static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
        }
        m_raw.erase(0, i);
        break;
    }
    }
    m_decoder.feed(m_units, m_out);
    if (atEnd) {
        // What the end cut off: a surrogate without its partner, half a unit.
        m_decoder.finish(m_out);
        if (!m_raw.empty())
            m_out += Utf16Decoder::kNotText;
        m_raw.clear();
    }
}

std::ptrdiff_t TextInput::give(char* buffer, std::size_t size)
{
    const std::size_t n = std::min(size, m_out.size() - m_taken);
    std::memcpy(buffer, m_out.data() + m_taken, n);
    m_taken += n;
    return static_cast<std::ptrdiff_t>(n);
}

std::ptrdiff_t TextInput::read(char* buffer, std::size_t size)
{
    if (m_stage == Stage::kStart) {
        start();
        // What the look for a mark read goes on at once, before waiting
        // for more.
        decode(false);
    }
    while (m_taken == m_out.size() && !m_finished) {
        m_out.clear();
        m_taken = 0;
        // UTF-8 goes on as it is, straight from the source.
        if (m_stage == Stage::kDecided && m_form.encoding == Encoding::kUtf8 && m_raw.empty() && !m_ended)
            return m_source.read(buffer, size);
        if (!m_ended && readRaw(kChunk)) {
            decode(false);
            continue;
        }
        m_ended = true;
        decode(true);
        m_finished = true;
    }
    if (m_failed && m_taken == m_out.size())
        return -1;
    return give(buffer, size);
}

} // namespace qhj::cli
