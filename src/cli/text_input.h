// Input as the line and table readers take it: UTF-8 bytes, whatever the
// encoding it came in.
#pragma once

#include "cli/encoding.h"
#include "cli/line_reader.h"
#include "cli/utf8.h"

#include <cstddef>
#include <optional>
#include <string>

namespace qhj::cli {

// One rule for every input. A byte-order mark decides: EF BB BF is UTF-8,
// and FF FE or FE FF UTF-16 LE or BE, as Windows PowerShell 5.1 writes
// when it redirects (`> amounts.txt`) and as spreadsheets save "Unicode
// text". Without one, text that is valid UTF-8 is UTF-8, and anything else
// GB18030, as Excel and WPS on a Chinese Windows save CSV. What decides is
// the first piece read that holds more than ASCII, which is the same in
// both. An encoding given by name is taken as it is.
//
// UTF-16 and GB18030 are handed on as UTF-8, line ends and all. A lone
// surrogate (see Utf16Decoder), a last byte without its partner, or bytes
// that are no GB18030 character fail their line as any line that is not
// text does.
class TextInput final : public ByteSource {
public:
    explicit TextInput(ByteSource& source, std::optional<Encoding> encoding = std::nullopt)
        : m_source(source), m_forced(encoding)
    { }

    std::ptrdiff_t read(char* buffer, std::size_t size) override;

    // How the input came, as far as it has been read: UTF-8 until
    // something else is seen.
    TextForm form() const { return m_form; }

private:
    enum class Stage {
        kStart,      // nothing read yet
        kAsciiSoFar, // no mark, and nothing but ASCII yet
        kDecided,
    };

    // Reads up to `size` more raw bytes onto m_raw; false at the end.
    bool readRaw(std::size_t size);
    // Reads up to a byte-order mark's length and takes off a mark it finds.
    void start();
    // Decides between UTF-8 and GB18030 by the first line of `bytes` that
    // holds more than ASCII; false when they hold too little to tell yet.
    bool judge(std::string_view bytes, bool atEnd);
    // Decides by m_raw, or hands on its ASCII while there is nothing else.
    void decide(bool atEnd);
    // Decodes what m_raw holds into m_out, all of it when `atEnd`; first
    // decides, while only ASCII has come.
    void decode(bool atEnd);
    // Hands on what m_out holds.
    std::ptrdiff_t give(char* buffer, std::size_t size);

    ByteSource& m_source;
    std::optional<Encoding> m_forced;
    Stage m_stage = Stage::kStart;
    TextForm m_form;
    std::string m_raw; // bytes read and not yet handed on or decoded
    std::string m_out; // UTF-8 ready to hand on
    std::size_t m_taken = 0;
    std::u16string m_units;
    Utf16Decoder m_decoder;
    bool m_ended = false;    // the source has nothing more
    bool m_finished = false; // and all of it has been decoded
    bool m_failed = false;
};

} // namespace qhj::cli
