#include "cli/text_input.h"

#include "cli/convert_command.h"
#include "cli_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

using testing::StringSink;
using testing::StringSource;

std::string utf16(std::u16string_view text, bool little)
{
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += little ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines; // what qinghejian-convert writes
};

// Each input through the whole command, in reads of every size: one line
// out for each line in, decoded as the mark says.
TEST(TextInputTable, OneLineOutForEachLineIn)
{
    const std::string kHundred = "壹佰零拾零圆整";
    const std::string kHalf = "零圆伍角整";
    const std::vector<Case> cases{
        {"UTF-16 LE, LF", utf16(u"100\n0.5\n", true), {kHundred, kHalf}},
        {"UTF-16 LE, CRLF", utf16(u"100\r\n0.5\r\n", true), {kHundred, kHalf}},
        {"UTF-16 BE, CRLF", utf16(u"100\r\n0.5\r\n", false), {kHundred, kHalf}},
        {"no last line end", utf16(u"100\r\n0.5", true), {kHundred, kHalf}},
        {"full-width digits", utf16(u"１２.５\r\n", true), {"壹拾贰圆伍角整"}},
        {"empty lines", utf16(u"\r\n\r\n5", true), {"", "", "伍圆整"}},
        {"a pair of surrogates", utf16(u"😀\n5\n", true), {"", "伍圆整"}},
        {"a lone surrogate",
         utf16(u"\xD800"
               u"5\n\xDC00\n5",
               true),
         {"", "", "伍圆整"}},
        {"half a unit at the end", utf16(u"5\n", true) + "5", {"伍圆整", ""}},
        {"the mark alone", utf16(u"", true), {}},
        {"a second mark is text", utf16(u"\uFEFF5\n5", false), {"", "伍圆整"}},
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "100\r\n0.5",
         {kHundred, kHalf}},
        {"UTF-8", "100\n", {kHundred}},
        {"FE, then no mark", "\xFE\n5\n", {"", "伍圆整"}},
    };
    for (const Case& c : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 16}) {
            SCOPED_TRACE(std::string(c.name) + ", reads of " + std::to_string(chunk));
            StringSource source(c.bytes, chunk);
            TextInput input(source);
            StringSink outSink;
            StringSink errSink;
            {
                BufferedOutput out(outSink, "\n");
                BufferedOutput err(errSink, "\n");
                runConvert({}, input, out, err);
            }
            std::string expected;
            for (const std::string& line : c.lines)
                expected += line + "\n";
            EXPECT_EQ(outSink.text, expected);
        }
    }
}

} // namespace
} // namespace qhj::cli
