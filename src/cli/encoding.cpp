#include "cli/encoding.h"

#include "cli/utf8.h"

#include <algorithm>
#include <array>

#ifdef _WIN32
#include "cli/windows_api.h"
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace qhj::cli {

namespace {

// How many bytes the GB18030 character at the start of `bytes` takes: 1, 2
// or 4; 0 when they are cut off before it is whole; -1 when they begin none.
// Only the shape is judged here; which characters exist is the system's.
int characterLength(std::string_view bytes)
{
    const auto at = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) < 0x80)
        return 1;
    if (at(0) == 0x80 || at(0) == 0xFF)
        return -1;
    if (bytes.size() < 2)
        return 0;
    if (at(1) >= 0x40 && at(1) <= 0xFE && at(1) != 0x7F)
        return 2;
    if (at(1) < 0x30 || at(1) > 0x39)
        return -1;
    if (bytes.size() < 3)
        return 0;
    if (at(2) < 0x81 || at(2) > 0xFE)
        return -1;
    if (bytes.size() < 4)
        return 0;
    return at(3) >= 0x30 && at(3) <= 0x39 ? 4 : -1;
}

#ifdef _WIN32

// GB18030; or, where the system lacks it (Wine before 9), GBK, the part
// of it Excel and WPS write.
UINT gb18030CodePage()
{
    static const UINT page = IsValidCodePage(54936) ? 54936 : 936;
    return page;
}

// The system's UTF-16 for whole GB18030 characters; false when it knows
// some of them as none.
bool systemDecode(std::string_view bytes, std::u16string& out)
{
    const int length = static_cast<int>(bytes.size());
    const UINT page = gb18030CodePage();
    const int units = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (units <= 0)
        return false;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(units));
    MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), length,
                        reinterpret_cast<wchar_t*>(out.data() + at), units);
    return true;
}

void systemEncode(std::u16string_view text, std::string& out)
{
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const UINT page = gb18030CodePage();
    const int bytes = WideCharToMultiByte(page, 0, units, length, nullptr, 0, nullptr, nullptr);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(std::max(bytes, 0)));
    WideCharToMultiByte(page, 0, units, length, out.data() + at, bytes, nullptr, nullptr);
}

#else

// Converts all of `from` with iconv between the two encodings, appending
// to `out`; false when iconv refused some of it.
bool convert(const char* to, const char* fromCode, std::string_view from, std::string& out)
{
    const iconv_t cd = iconv_open(to, fromCode);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* in = const_cast<char*>(from.data());
    std::size_t inLeft = from.size();
    bool ok = true;
    std::array<char, 4096> buffer;
    while (inLeft > 0 && ok) {
        char* put = buffer.data();
        std::size_t room = buffer.size();
        const std::size_t done = iconv(cd, &in, &inLeft, &put, &room);
        out.append(buffer.data(), static_cast<std::size_t>(put - buffer.data()));
        ok = done != static_cast<std::size_t>(-1) || errno == E2BIG;
    }
    iconv_close(cd);
    return ok;
}

bool systemDecode(std::string_view bytes, std::u16string& out)
{
    std::string units;
    if (!convert("UTF-16LE", "GB18030", bytes, units))
        return false;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(units[i])
                                     | static_cast<unsigned char>(units[i + 1]) << 8);
    return true;
}

void systemEncode(std::u16string_view text, std::string& out)
{
    std::string units;
    units.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        units += static_cast<char>(unit & 0xFF);
        units += static_cast<char>(unit >> 8);
    }
    convert("GB18030", "UTF-16LE", units, out);
}

#endif

// Whole characters to the system, a run at a time; a character it does not
// know becomes kNoCharacter on its own.
void decodeWhole(std::string_view bytes, std::u16string& out)
{
    if (bytes.empty() || systemDecode(bytes, out))
        return;
    while (!bytes.empty()) {
        const auto length = static_cast<std::size_t>(characterLength(bytes));
        if (!systemDecode(bytes.substr(0, length), out))
            out += kNoCharacter;
        bytes.remove_prefix(length);
    }
}

} // namespace

std::optional<Encoding> encodingNamed(std::u16string_view name)
{
    std::u16string lower(name);
    for (char16_t& c : lower)
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    if (lower == u"utf-8" || lower == u"utf8")
        return Encoding::kUtf8;
    if (lower == u"utf-16" || lower == u"utf16")
        return Encoding::kUtf16Le;
    if (lower == u"gb18030")
        return Encoding::kGb18030;
    return std::nullopt;
}

std::string_view byteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::kUtf8:
        return "\xEF\xBB\xBF";
    case Encoding::kUtf16Le:
        return "\xFF\xFE";
    case Encoding::kUtf16Be:
        return "\xFE\xFF";
    case Encoding::kGb18030:
        break;
    }
    return {};
}

void encodeText(std::string_view text, Encoding encoding, std::string& out)
{
    if (encoding == Encoding::kUtf8) {
        out.append(text);
        return;
    }
    std::u16string units;
    decodeUtf8(text, units);
    if (encoding == Encoding::kGb18030) {
        systemEncode(units, out);
        return;
    }
    const bool little = encoding == Encoding::kUtf16Le;
    for (const char16_t unit : units) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>(unit >> 8);
        out += little ? low : high;
        out += little ? high : low;
    }
}

std::size_t decodeGb18030(std::string_view bytes, bool atEnd, std::u16string& out)
{
    std::size_t taken = 0;
    std::size_t runStart = 0; // whole characters not yet handed to the system
    while (taken < bytes.size()) {
        // ASCII is the same in both: no need to ask the system.
        if (static_cast<unsigned char>(bytes[taken]) < 0x80) {
            decodeWhole(bytes.substr(runStart, taken - runStart), out);
            std::size_t end = taken;
            while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
                out += static_cast<char16_t>(bytes[end++]);
            taken = runStart = end;
            continue;
        }
        const int length = characterLength(bytes.substr(taken));
        if (length > 0) {
            taken += static_cast<std::size_t>(length);
            continue;
        }
        if (length == 0 && !atEnd)
            break;
        decodeWhole(bytes.substr(runStart, taken - runStart), out);
        out += kNoCharacter;
        taken = runStart = taken + 1;
    }
    decodeWhole(bytes.substr(runStart, taken - runStart), out);
    return taken;
}

} // namespace qhj::cli
