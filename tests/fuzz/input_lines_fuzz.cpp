// Feeds qinghejian-convert's input layer (the UTF-8 and UTF-16 decoding,
// byte-order marks, CR and LF, the line reader) any bytes, in reads of
// varying size, and checks that it does not crash and writes exactly one
// output line for each input line, counted here apart from the product.
#include "cli/convert_command.h"
#include "cli/text_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

class Bytes : public qhj::cli::ByteSource {
public:
    Bytes(std::string_view bytes, std::size_t chunk) : m_bytes(bytes), m_chunk(chunk) { }
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        const std::size_t n = std::min({size, m_chunk, m_bytes.size()});
        std::memcpy(buffer, m_bytes.data(), n);
        m_bytes.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    std::string_view m_bytes;
    std::size_t m_chunk;
};

class Lines : public qhj::cli::Sink {
public:
    bool write(std::string_view bytes) override
    {
        count += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        return true;
    }
    std::size_t count = 0;
};

// Lines end at LF; what follows the last LF is one line more.
std::size_t linesIn(std::string_view bytes)
{
    const bool little = bytes.substr(0, 2) == "\xFF\xFE";
    const bool big = bytes.substr(0, 2) == "\xFE\xFF";
    if (!little && !big) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        const auto ends = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        return ends + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
    }
    bytes.remove_prefix(2);
    std::size_t ends = 0;
    bool rest = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const bool lineEnd = little ? bytes[i] == '\n' && bytes[i + 1] == 0
                                    : bytes[i] == 0 && bytes[i + 1] == '\n';
        ends += lineEnd ? 1 : 0;
        rest = !lineEnd;
    }
    return ends + (rest || bytes.size() % 2 != 0 ? 1 : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Bytes source(bytes, 1 + size % 7);
    qhj::cli::TextInput input(source);
    Lines out;
    Lines err;
    {
        qhj::cli::BufferedOutput outBuffer(out, "\n", 256);
        qhj::cli::BufferedOutput errBuffer(err, "\n", 256);
        qhj::cli::runConvert({}, input, outBuffer, errBuffer, 4096);
    }
    if (out.count != linesIn(bytes)) {
        std::fprintf(stderr, "%zu lines out for %zu lines in\n", out.count, linesIn(bytes));
        std::abort();
    }
    return 0;
}
