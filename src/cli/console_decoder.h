// What a Windows console gives ReadConsoleW, turned into the UTF-8 bytes the
// line reader takes. Plain C++, so it is tested on every system.
#pragma once

#include "cli/utf8.h"

#include <string>
#include <string_view>

namespace qhj::cli {

// Fed the UTF-16 units of each read in turn, through the same Utf16Decoder
// as UTF-16 files: a high surrogate at the end of one read waits for its
// partner in the next, and one left alone fails its line. Ctrl+Z at the
// start of a line ends the input, as it does for the console's own
// programs; nothing after it counts.
class ConsoleDecoder {
public:
    // Appends the UTF-8 of `units` to `out`.
    void feed(std::u16string_view units, std::string& out);
    // The console has nothing more: what was held back goes to `out`.
    void finish(std::string& out);
    // Whether a Ctrl+Z ended the input.
    bool ended() const { return m_ended; }

private:
    Utf16Decoder m_decoder;
    bool m_atLineStart = true;
    bool m_ended = false;
};

} // namespace qhj::cli
