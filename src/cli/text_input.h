// Standard input as the line reader takes it: UTF-8 bytes.
#pragma once

#include "cli/line_reader.h"
#include "cli/utf8.h"

#include <cstddef>
#include <string>

namespace qhj::cli {

// Input that starts with a UTF-16 byte-order mark, FF FE or FE FF, as
// Windows PowerShell 5.1 writes it when it redirects (`> amounts.txt`), is
// decoded as UTF-16 LE or BE and handed on as UTF-8, line ends and all.
// Anything else, UTF-8 with or without its own mark, is handed on as it is.
// A lone surrogate (see Utf16Decoder), or a last byte without its partner,
// fails its line as any line that is not text does.
class TextInput final : public ByteSource {
public:
    explicit TextInput(ByteSource& source) : m_source(source) { }

    std::ptrdiff_t read(char* buffer, std::size_t size) override;

private:
    enum class Form { kUnknown, kAsItIs, kUtf16Le, kUtf16Be };

    // Reads up to `size` more raw bytes onto m_raw; false at the end.
    bool readRaw(std::size_t size);
    // Decodes what m_raw holds into m_out.
    void decode();

    ByteSource& m_source;
    Form m_form = Form::kUnknown;
    std::string m_raw; // bytes read and not yet handed on or decoded
    std::string m_out; // UTF-8 ready to hand on
    std::size_t m_taken = 0;
    Utf16Decoder m_decoder;
    bool m_ended = false;
    bool m_failed = false;
};

} // namespace qhj::cli
