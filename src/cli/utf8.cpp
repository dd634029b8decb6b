#include "cli/utf8.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qhj::cli {

namespace {

// What a lead byte promises: how many continuation bytes follow, and the
// range the first of them must lie in. need < 0: not a lead byte.
struct Lead {
    int need;
    std::uint8_t low;
    std::uint8_t high;
    char32_t bits;
};

Lead lead(std::uint8_t b)
{
    if (b < 0x80)
        return {0, 0x80, 0xBF, b};
    if (b >= 0xC2 && b <= 0xDF)
        return {1, 0x80, 0xBF, b & 0x1Fu};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF, b & 0x0Fu};
    if (b == 0xED)
        return {2, 0x80, 0x9F, b & 0x0Fu}; // not the surrogates
    if (b >= 0xE1 && b <= 0xEF)
        return {2, 0x80, 0xBF, b & 0x0Fu};
    if (b == 0xF0)
        return {3, 0x90, 0xBF, b & 0x07u};
    if (b >= 0xF1 && b <= 0xF3)
        return {3, 0x80, 0xBF, b & 0x07u};
    if (b == 0xF4)
        return {3, 0x80, 0x8F, b & 0x07u}; // not above U+10FFFF
    return {-1, 0, 0, 0};
}

// Eight ASCII bytes as eight code units.
inline void widenEight(const std::uint8_t* from, char16_t* to)
{
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
#else
    for (int k = 0; k < 8; ++k)
        to[k] = from[k];
#endif
}

} // namespace

bool decodeUtf8(std::string_view bytes, std::u16string& out)
{
    // At most one code unit per byte; shrunk to fit at the end.
    out.resize(bytes.size());
    const std::optional<std::size_t> units = decodeUtf8(bytes, out.data());
    if (!units)
        return false;
    out.resize(*units);
    return true;
}

std::optional<std::size_t> decodeUtf8(std::string_view bytes, char16_t* const out)
{
    char16_t* to = out;
    const auto* from = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto* const end = from + bytes.size();
    const auto* const lastTriple = bytes.size() >= 3 ? end - 2 : from;
    while (from != end) {
        // Runs of ASCII, and runs of the three-byte characters of most
        // Chinese text (a lead byte E1-EC or EE-EF, whose two continuation
        // bytes may be anything from 80 to BF), each in a loop of its own.
        // Figures are ASCII: eight bytes a step while all eight are, which
        // also leaves room for eight units, as each byte has one.
        for (std::uint64_t eight = 0; end - from >= 8 && *from < 0x80; from += 8, to += 8) {
            std::memcpy(&eight, from, sizeof eight);
            if ((eight & 0x8080'8080'8080'8080u) != 0)
                break;
            widenEight(from, to);
        }
        while (from != end && *from < 0x80)
            *to++ = *from++;
        // Two characters a step while there are two, then one.
        const auto threeByte = [](const std::uint8_t* at, char16_t& unit) {
            const unsigned b = at[0];
            const unsigned c1 = at[1] ^ 0x80u;
            const unsigned c2 = at[2] ^ 0x80u;
            unit = static_cast<char16_t>(((b & 0x0Fu) << 12) | (c1 << 6) | c2);
            return b - 0xE1u < 0x0Fu && b != 0xED && (c1 | c2) < 0x40u;
        };
        while (end - from >= 6 && threeByte(from, to[0]) && threeByte(from + 3, to[1])) {
            to += 2;
            from += 6;
        }
        while (from < lastTriple && threeByte(from, *to)) {
            ++to;
            from += 3;
        }
        if (from == end || *from < 0x80)
            continue;
        const Lead l = lead(*from++);
        if (l.need < 0 || end - from < l.need)
            return std::nullopt;
        char32_t c = l.bits;
        for (int k = 0; k < l.need; ++k, ++from) {
            const std::uint8_t low = k == 0 ? l.low : 0x80;
            const std::uint8_t high = k == 0 ? l.high : 0xBF;
            if (*from < low || *from > high)
                return std::nullopt;
            c = (c << 6) | (*from & 0x3Fu);
        }
        if (c >= 0x10000) {
            *to++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            *to++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            *to++ = static_cast<char16_t>(c);
        }
    }
    return static_cast<std::size_t>(to - out);
}

char* encodeUtf8(std::u16string_view text, char* to)
{
    const auto put = [&to](char32_t byte) { *to++ = static_cast<char>(byte); };
    // A run of ASCII first, a byte for a unit: figures are nothing else.
    std::size_t i = 0;
    const std::size_t size = text.size();
    const char16_t* const units = text.data();
    // Four units at a time while all four are ASCII.
    for (std::uint64_t four = 0; i + 4 <= size; i += 4, to += 4) {
        std::memcpy(&four, units + i, sizeof four);
        if ((four & 0xFF80'FF80'FF80'FF80u) != 0)
            break;
        to[0] = static_cast<char>(units[i]);
        to[1] = static_cast<char>(units[i + 1]);
        to[2] = static_cast<char>(units[i + 2]);
        to[3] = static_cast<char>(units[i + 3]);
    }
    while (i < size && units[i] < 0x80)
        *to++ = static_cast<char>(units[i++]);
    for (; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            put(c);
            continue;
        }
        // Most Chinese text: three bytes, no surrogate.
        if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
            continue;
        }
        if (isHighSurrogate(c) || isLowSurrogate(c)) {
            if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
            else
                c = 0xFFFD;
        }
        if (c < 0x800) {
            put(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
        }
        put(0x80 | (c & 0x3F));
    }
    return to;
}

void appendUtf8(std::u16string_view text, std::string& out)
{
    const std::size_t at = out.size();
    out.resize(at + text.size() * kMaxUtf8PerUnit);
    char* const end = encodeUtf8(text, out.data() + at);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string utf8Of(std::u16string_view text)
{
    std::string bytes;
    appendUtf8(text, bytes);
    return bytes;
}

void Utf8Validator::feed(std::string_view bytes)
{
    for (const char ch : bytes) {
        if (!m_valid)
            return;
        const auto b = static_cast<std::uint8_t>(ch);
        if (m_need > 0) {
            if (b < m_low || b > m_high) {
                m_valid = false;
                return;
            }
            --m_need;
            m_low = 0x80;
            m_high = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        const Lead l = lead(b);
        if (l.need < 0) {
            m_valid = false;
            return;
        }
        m_need = l.need;
        m_low = l.low;
        m_high = l.high;
    }
}

std::string_view wholeCharacters(std::string_view bytes)
{
    // Back over up to three continuation bytes to the last lead byte.
    std::size_t start = bytes.size();
    for (int k = 0; k < 4 && start > 0; ++k) {
        --start;
        if ((static_cast<std::uint8_t>(bytes[start]) & 0xC0) != 0x80)
            break;
    }
    if (start == bytes.size())
        return bytes;
    const Lead l = lead(static_cast<std::uint8_t>(bytes[start]));
    if (l.need >= 0 && bytes.size() - start < static_cast<std::size_t>(l.need) + 1)
        return bytes.substr(0, start);
    return bytes;
}

void Utf16Decoder::feed(std::u16string_view units, std::string& out)
{
    m_units.clear();
    for (const char16_t unit : units) {
        if (m_high != 0) {
            const char16_t high = m_high;
            m_high = 0;
            if (isLowSurrogate(unit)) {
                m_units += high;
                m_units += unit;
                continue;
            }
            appendUtf8(m_units, out);
            m_units.clear();
            out += kNotText;
        }
        if (isHighSurrogate(unit)) {
            m_high = unit;
        } else if (isLowSurrogate(unit)) {
            appendUtf8(m_units, out);
            m_units.clear();
            out += kNotText;
        } else {
            m_units += unit;
        }
    }
    appendUtf8(m_units, out);
}

void Utf16Decoder::finish(std::string& out)
{
    if (m_high != 0)
        out += kNotText;
    m_high = 0;
}

} // namespace qhj::cli
