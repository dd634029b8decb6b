// Buffered text output: UTF-16 text in, whole UTF-8 pieces out to a sink,
// or the same text in another encoding.
#pragma once

#include "cli/encoding.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qhj::cli {

// Where the bytes go: standard output or error, or a string in the tests.
// Every write holds whole UTF-8 characters.
class Sink {
public:
    virtual ~Sink() = default;
    // Writes all of `bytes`; false when that failed.
    virtual bool write(std::string_view bytes) = 0;
    // Whether the bytes reach a terminal, which shows text in its own
    // encoding whatever the input came in.
    virtual bool isTerminal() const { return false; }
};

#ifdef _WIN32
inline constexpr std::string_view kNativeLineEnd = "\r\n";
#else
inline constexpr std::string_view kNativeLineEnd = "\n";
#endif

class BufferedOutput {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 16;

    explicit BufferedOutput(Sink& sink, std::string_view lineEnd = kNativeLineEnd,
                            std::size_t capacity = kDefaultCapacity);
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;
    ~BufferedOutput();

    void write(std::u16string_view text);
    void writeUtf8(std::string_view bytes);
    void writeNumber(std::uint64_t value);
    void endLine();

    // Writes in `form`, a byte-order mark first where it has one, as long
    // as nothing has been sent yet; a terminal keeps its own.
    void setForm(TextForm form);

    // Hands what is buffered to the sink; false once any write has failed.
    bool flush();
    bool failed() const { return m_failed; }

private:
    // Makes room for `size` more bytes; false when they will not fit even
    // in an empty buffer.
    bool reserve(std::size_t size);
    // Writes whole UTF-8 characters to the sink, in the form set.
    void send(std::string_view bytes);

    Sink& m_sink;
    std::string m_lineEnd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_size = 0;
    std::size_t m_capacity;
    bool m_failed = false;
    TextForm m_form;
    bool m_markDue = false;
    bool m_sent = false;
    std::string m_encoded; // the buffer in m_form, when that is not UTF-8
};

} // namespace qhj::cli
