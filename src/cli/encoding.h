// The encodings a file may come in, and go out in again: UTF-8, UTF-16 and
// GB18030, the superset of GBK and GB2312 that Excel and WPS on a Chinese
// Windows save text in. GB18030 goes through the system's own converter,
// iconv on Linux and code page 54936 on Windows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qhj::cli {

enum class Encoding {
    kUtf8,
    kUtf16Le,
    kUtf16Be,
    kGb18030,
};

// How a text came, so that what is written from it can go out the same way.
struct TextForm {
    Encoding encoding = Encoding::kUtf8;
    bool byteOrderMark = false;
};

// "utf-8", "utf-16" (little-endian unless a mark says otherwise) or
// "gb18030", in any case; nothing for another name.
std::optional<Encoding> encodingNamed(std::u16string_view name);

// The byte-order mark of `encoding`; empty for GB18030, which has none.
std::string_view byteOrderMark(Encoding encoding);

// Appends well-formed UTF-8 `text` to `out` in `encoding`.
void encodeText(std::string_view text, Encoding encoding, std::string& out);

// A UTF-16 unit that cannot stand alone, put where the input held bytes that
// are no character, so that the line they stand in fails as not text.
inline constexpr char16_t kNoCharacter = 0xDC00;

// Appends the UTF-16 of the GB18030 characters at the start of `bytes` to
// `out` and returns how many bytes they took. A character cut off at the
// end waits for more unless `atEnd`; bytes that are no character become
// kNoCharacter.
std::size_t decodeGb18030(std::string_view bytes, bool atEnd, std::u16string& out);

} // namespace qhj::cli
