#include "cli/text_input.h"

#include "cli/convert_command.h"
#include "cli_streams.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qhj::cli {
namespace {

using testing::StringSink;
using testing::StringSource;
using testing::utf16;

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

struct FormCase {
    const char* name;
    std::string bytes;
    std::optional<Encoding> forced;
    std::string text; // the UTF-8 handed on
    Encoding encoding;
    bool mark;
};

// What the input is taken to be, and what it becomes, in reads of every
// size: the first piece may stop after bytes that are UTF-8 by chance.
TEST(TextInputTable, OneRuleForEveryEncoding)
{
    const std::string hundred =
        "\xD2\xBC\xB0\xDB\xD4\xAA\xD5\xFB"; // 壹佰元整, whose first two bytes are UTF-8 too
    const std::vector<FormCase> cases{
        {"ASCII", "1\r\n2", {}, "1\r\n2", Encoding::kUtf8, false},
        {"UTF-8", "x,壹佰元整\n", {}, "x,壹佰元整\n", Encoding::kUtf8, false},
        {"UTF-8 with its mark", "\xEF\xBB\xBF壹\n", {}, "\xEF\xBB\xBF壹\n", Encoding::kUtf8, true},
        {"UTF-16 BE", utf16(u"壹\n", false), {}, "\xEF\xBB\xBF壹\n", Encoding::kUtf16Be, true},
        {"GB18030 after ASCII", "1," + hundred + "\r\n", {}, "1,壹佰元整\r\n", Encoding::kGb18030, false},
        {"GB18030, four bytes", "\x81\x30\x81\x30\n", {}, "\u0080\n", Encoding::kGb18030, false},
        // Read in pieces after the first line: characters cut at every byte.
        {"GB18030, cut",
         hundred + "\n\x81\x30\x81\x30\xD2\xBC\n",
         {},
         "壹佰元整\n\u0080壹\n",
         Encoding::kGb18030,
         false},
        // Bytes that are no character fail their line, and only it.
        {"GB18030, broken", hundred + "\n\x80\n\xD2", {}, "壹佰元整\n\xFF\n\xFF", Encoding::kGb18030, false},
        {"named", "\xD2\xBC\n", Encoding::kGb18030, "壹\n", Encoding::kGb18030, false},
        {"named UTF-16 takes a mark's order", utf16(u"1", false), Encoding::kUtf16Le,
         "\xEF\xBB\xBF"
         "1",
         Encoding::kUtf16Be, true},
        {"named UTF-16 without a mark", std::string("1\0", 2), Encoding::kUtf16Le, "1", Encoding::kUtf16Le,
         false},
        {"named UTF-8 is not judged", "\xD2\n", Encoding::kUtf8, "\xD2\n", Encoding::kUtf8, false},
    };
    for (const FormCase& c : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 16}) {
            SCOPED_TRACE(std::string(c.name) + ", reads of " + std::to_string(chunk));
            StringSource source(c.bytes, chunk);
            TextInput input(source, c.forced);
            std::string text;
            char buffer[5];
            for (std::ptrdiff_t n; (n = input.read(buffer, sizeof buffer)) > 0;)
                text.append(buffer, static_cast<std::size_t>(n));
            EXPECT_EQ(text, c.text);
            EXPECT_EQ(input.form().encoding, c.encoding);
            EXPECT_EQ(input.form().byteOrderMark, c.mark);
        }
    }
}

} // namespace
} // namespace qhj::cli
