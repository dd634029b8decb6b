// Splits a byte stream into lines in constant memory: one buffer, reused, and
// no copy of a line that fits in it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace qhj::cli {

// Where the bytes come from: standard input, or a string in the tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` (> 0) bytes into `buffer`: returns how many, 0 at
    // the end of the input, or -1 after an error.
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
};

struct Line {
    // The line without its end (LF, CRLF, or a CR just before the end of the
    // input) and, on the first line, without a UTF-8 byte-order mark. For a
    // line longer than the reader's buffer only its first kHeadBytes or so,
    // cut between characters.
    std::string_view bytes;
    // Whether the line was longer than the buffer. It was then read through
    // without being kept, and only `bytes`, `valid` and `points` are left.
    bool truncated = false;
    // Of a truncated line: whether all of it is UTF-8, and how many points
    // ("."), counted up to two, it holds.
    bool valid = true;
    int points = 0;
};

class LineReader {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;
    static constexpr std::size_t kHeadBytes = 256;

    // `capacity` bounds the memory used, and the length of the lines given
    // whole; it is at least kHeadBytes.
    explicit LineReader(ByteSource& source, std::size_t capacity = kDefaultCapacity);

    // The next line; false at the end of the input, also after a read error.
    // `line` views the reader's buffer and is good until the next call.
    bool next(Line& line);

    bool readFailed() const { return m_failed; }

private:
    void fill();
    void readLongLine(Line& line);
    std::string_view span(std::size_t begin, std::size_t end) const;

    ByteSource& m_source;
    std::unique_ptr<char[]> m_buffer; // not zeroed: only read bytes are looked at
    std::size_t m_capacity;
    std::string m_head;
    std::size_t m_begin = 0; // first byte of the next line
    std::size_t m_scan = 0;  // bytes before this hold no line end
    std::size_t m_end = 0;   // bytes read
    bool m_started = false;
    bool m_eof = false;
    bool m_failed = false;
};

} // namespace qhj::cli
