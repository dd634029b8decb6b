#include "cli/text_input.h"

#include "cli/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace qhj::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;
constexpr std::size_t kEnough = 1 << 12; // bytes to tell UTF-8 from GB18030 by
constexpr std::array<Encoding, 3> kMarked = {Encoding::kUtf8, Encoding::kUtf16Le, Encoding::kUtf16Be};

// How many bytes at the start of `bytes` are ASCII, eight at a time.
std::size_t asciiPrefix(std::string_view bytes)
{
    std::size_t i = 0;
    for (std::uint64_t eight = 0; i + 8 <= bytes.size(); i += 8) {
        std::memcpy(&eight, bytes.data() + i, sizeof eight);
        if ((eight & 0x8080'8080'8080'8080u) != 0)
            break;
    }
    while (i < bytes.size() && (bytes[i] & 0x80) == 0)
        ++i;
    return i;
}

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

bool TextInput::judge(std::string_view bytes, bool atEnd)
{
    // The first line or so after the ASCII to judge by, or the end: a piece
    // may stop after a few bytes that happen to be UTF-8 too.
    std::string_view rest = bytes.substr(asciiPrefix(bytes));
    const bool plenty = rest.size() >= kEnough;
    rest = rest.substr(0, kEnough);
    const std::size_t lineEnd = rest.rfind('\n');
    const std::string_view sample = lineEnd != rest.npos ? rest.substr(0, lineEnd)
        : plenty                                         ? wholeCharacters(rest)
        : atEnd                                          ? rest
                                                         : std::string_view();
    if (sample.empty() && !atEnd)
        return false;
    Utf8Validator validator;
    validator.feed(sample);
    m_stage = Stage::kDecided;
    m_form.encoding = validator.complete() ? Encoding::kUtf8 : Encoding::kGb18030;
    return true;
}

void TextInput::decide(bool atEnd)
{
    const std::size_t ascii = asciiPrefix(m_raw);
    if (ascii == m_raw.size() && m_out.empty()) {
        // Nothing but ASCII, the same in both: on as it is, uncopied.
        m_out.swap(m_raw);
        m_raw.clear();
        return;
    }
    if (!judge(m_raw, atEnd)) {
        // Nothing to judge yet: the ASCII goes on, the rest waits.
        m_out.append(m_raw, 0, ascii);
        m_raw.erase(0, ascii);
    }
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
        // UTF-8, and ASCII while nothing else has come, go on as they are,
        // straight from the source into the reader's buffer.
        const bool asIs = m_stage == Stage::kAsciiSoFar
            || (m_stage == Stage::kDecided && m_form.encoding == Encoding::kUtf8);
        if (asIs && m_raw.empty() && !m_ended) {
            const std::ptrdiff_t n = m_source.read(buffer, size);
            const std::string_view got(buffer, static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)));
            if (n > 0 && (m_stage == Stage::kDecided || asciiPrefix(got) == got.size()))
                return n;
            if (n > 0 && judge(got, false) && m_form.encoding == Encoding::kUtf8)
                return n;
            if (n > 0) {
                m_raw.assign(got);
                decode(false);
                continue;
            }
            m_failed = n < 0;
        } else if (!m_ended && readRaw(kChunk)) {
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
