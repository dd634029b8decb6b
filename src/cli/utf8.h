// UTF-8 in and out for the command-line program, which reads bytes and hands
// the conversion UTF-16 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qhj::cli {

// Replaces `out` with the UTF-16 form of `bytes` and returns true, or returns
// false when `bytes` is not well-formed UTF-8: stray or missing continuation
// bytes, overlong forms, encoded surrogates and values above U+10FFFF are all
// refused (Unicode, table 3-7).
bool decodeUtf8(std::string_view bytes, std::u16string& out);
// The same into `out`, which has room for bytes.size() code units: how many
// it wrote, or nothing when `bytes` is not UTF-8. For a caller that
// decodes many lines into one buffer.
std::optional<std::size_t> decodeUtf8(std::string_view bytes, char16_t* out);

constexpr bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit < 0xDC00;
}

constexpr bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit < 0xE000;
}

// The most UTF-8 bytes one UTF-16 code unit can need.
inline constexpr std::size_t kMaxUtf8PerUnit = 3;

// Writes `text` as UTF-8 from `to`, which has room for kMaxUtf8PerUnit bytes
// a code unit, and returns the end; an unpaired surrogate becomes U+FFFD.
char* encodeUtf8(std::u16string_view text, char* to);

// Appends `text` as UTF-8, as encodeUtf8 writes it.
void appendUtf8(std::u16string_view text, std::string& out);
// `text` as UTF-8, as appendUtf8 writes it.
std::string utf8Of(std::u16string_view text);

// UTF-16 input, from a file or the Windows console, as the UTF-8 bytes the
// line reader takes, fed in pieces: a high surrogate at the end of one piece
// waits for its partner in the next. A surrogate without its partner becomes
// a byte that is not UTF-8, so that the line it stands in fails as any line
// that is not text does; nothing is silently replaced.
class Utf16Decoder {
public:
    static constexpr char kNotText = '\xFF';

    // Appends the UTF-8 of `units` to `out`.
    void feed(std::u16string_view units, std::string& out);
    // The input has ended: a high surrogate still waiting is alone.
    void finish(std::string& out);

private:
    std::u16string m_units;
    char16_t m_high = 0;
};

// Checks UTF-8 that arrives in pieces, with the same rules as decodeUtf8.
class Utf8Validator {
public:
    void feed(std::string_view bytes);
    // Whether everything fed so far is UTF-8 and ends on a whole character.
    bool complete() const { return m_valid && m_need == 0; }

private:
    bool m_valid = true;
    int m_need = 0;            // continuation bytes still due
    std::uint8_t m_low = 0x80; // allowed range of the next one
    std::uint8_t m_high = 0xBF;
};

// `bytes` without a character cut off at its end; for the beginning of
// longer well-formed UTF-8.
std::string_view wholeCharacters(std::string_view bytes);

} // namespace qhj::cli
