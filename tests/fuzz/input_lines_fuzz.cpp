// Feeds qinghejian-convert's input layer (the UTF-8, UTF-16 and GB18030
// decoding, byte-order marks, CR and LF, the line reader) any bytes, in
// reads of varying size, and checks that it does not crash and writes
// exactly one output line for each input line, counted here apart from the
// product. Where the input is UTF-8, each line written must be the
// conversion of its own input line, split here apart from the product:
// a line too long to keep must come out as the whole line would.
#include "cli/convert_command.h"
#include "cli/text_input.h"
#include "cli/utf8.h"
#include "face/face.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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
        text.append(bytes);
        return true;
    }
    std::size_t count = 0;
    std::string text;
};

// The window's conversion of each line of UTF-8 text, or nothing when the
// text is not UTF-8 through and through.
std::vector<std::string> expectedLines(std::string_view bytes)
{
    std::u16string text;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (!qhj::cli::decodeUtf8(bytes, text))
        return {};
    std::vector<std::string> out;
    for (std::u16string_view rest = text; !rest.empty();) {
        const std::size_t end = std::min(rest.find(u'\n'), rest.size());
        std::u16string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.ends_with(u'\r'))
            line.remove_suffix(1);
        std::string capitals;
        qhj::cli::appendUtf8(qhj::face::toCapitals(line, qhj::face::Form::kWindow).text, capitals);
        out.push_back(capitals);
    }
    return out;
}

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
    const std::vector<std::string> expected = expectedLines(bytes);
    std::string_view written = out.text;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::size_t end = written.find('\n');
        if (written.substr(0, end) != expected[i]) {
            std::fprintf(stderr, "line %zu: wrote \"%.*s\" for \"%s\"\n", i + 1,
                         static_cast<int>(std::min<std::size_t>(end, 200)), written.data(),
                         expected[i].c_str());
            std::abort();
        }
        written.remove_prefix(end + 1);
    }
    return 0;
}
