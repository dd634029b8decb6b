#include "cli/line_reader.h"

#include "cli_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

using testing::StringSource;

std::vector<std::string> linesOf(const std::string& bytes, std::size_t chunk,
                                 std::size_t capacity = LineReader::kDefaultCapacity)
{
    StringSource source(bytes, chunk);
    LineReader reader(source, capacity);
    std::vector<std::string> lines;
    Line line;
    while (reader.next(line)) {
        EXPECT_FALSE(line.truncated);
        lines.emplace_back(line.bytes);
    }
    EXPECT_FALSE(reader.readFailed());
    return lines;
}

struct Case {
    std::string input;
    std::vector<std::string> lines;
};

// Every case in chunks of every small size, so line ends, CRLF pairs and
// the BOM are split across reads at every possible point. Each table is one
// test, so that a run under the sanitizers starts one process a table.
void expectTable(const std::vector<Case>& table)
{
    for (const Case& c : table) {
        SCOPED_TRACE(::testing::PrintToString(c.input));
        for (const std::size_t chunk : std::initializer_list<std::size_t>{1, 2, 3, 4, 5, 7, 64, 1 << 16})
            EXPECT_EQ(linesOf(c.input, chunk), c.lines) << "chunk " << chunk;
    }
}

TEST(LineReaderTable, LineEnds)
{
    expectTable({Case{"", {}}, Case{"12", {"12"}}, Case{"12\n", {"12"}}, Case{"12\n5", {"12", "5"}},
                 Case{"12\r\n5\r\n", {"12", "5"}}, Case{"12\r\n5", {"12", "5"}},
                 Case{"12\n5\r\n.5\n", {"12", "5", ".5"}}, Case{"\n", {""}}, Case{"\n\n", {"", ""}},
                 Case{"\r\n\r\n", {"", ""}},
                 // A CR just before the end is the start of a CRLF the input lost.
                 Case{"12\r", {"12"}},
                 // Only the CR of a CRLF is a line end's; any other stays in its line.
                 Case{"1\r2\n", {"1\r2"}}, Case{"12\r\r\n", {"12\r"}}, Case{"\r", {""}}});
}

TEST(LineReaderTable, ByteOrderMark)
{
    expectTable({Case{"\xEF\xBB\xBF"
                      "12\n5\n",
                      {"12", "5"}},
                 Case{"\xEF\xBB\xBF"
                      "12",
                      {"12"}},
                 Case{"\xEF\xBB\xBF", {}}, Case{"\xEF\xBB\xBF\n", {""}}, Case{"\xEF\xBB\xBF\r\n5", {"", "5"}},
                 // Only on the first line, and only the whole mark.
                 Case{"1\n\xEF\xBB\xBF"
                      "2\n",
                      {"1",
                       "\xEF\xBB\xBF"
                       "2"}},
                 Case{"\xEF\xBB\xBF\xEF\xBB\xBF"
                      "1",
                      {"\xEF\xBB\xBF"
                       "1"}},
                 Case{"\xEF\xBB", {"\xEF\xBB"}}, Case{"\xEF\xBB\n1", {"\xEF\xBB", "1"}}});
}

TEST(LineReaderTable, AnyBytes)
{
    expectTable({Case{"\xFF\xFE\n\x80\n", {"\xFF\xFE", "\x80"}},
                 Case{std::string("1\0"
                                  "2\n",
                                  4),
                      {std::string("1\0"
                                   "2",
                                   3)}}});
}

// A line that fits in the buffer with its line end is given whole.
TEST(LineReaderTest, LinesUpToTheCapacityComeWhole)
{
    const std::string line(255, '7');
    EXPECT_EQ(linesOf(line + "\n" + line + "\n5", 100, 256), (std::vector<std::string>{line, line, "5"}));
    const std::string crlfLine(254, '7');
    EXPECT_EQ(linesOf(crlfLine + "\r\n" + crlfLine, 1, 256), (std::vector<std::string>{crlfLine, crlfLine}));
}

struct Long {
    std::string head;
    bool valid;
    int points;
};

std::vector<Long> longLinesOf(const std::string& bytes, std::size_t chunk,
                              std::vector<std::string>& shortLines)
{
    StringSource source(bytes, chunk);
    LineReader reader(source, 256);
    std::vector<Long> longs;
    Line line;
    while (reader.next(line)) {
        if (line.truncated)
            longs.push_back({std::string(line.bytes), line.valid, line.points});
        else
            shortLines.emplace_back(line.bytes);
    }
    return longs;
}

TEST(LineReaderTest, LongerLinesLeaveTheirStartAndASummary)
{
    const std::string digits(1000, '7');
    for (const std::size_t chunk : std::initializer_list<std::size_t>{1, 7, 100, 256, 1 << 16}) {
        std::vector<std::string> shortLines;
        const std::string input = "1\n" + digits + "\n" + digits + ".5\xFF" + digits + "\r\n" + "2\n" + digits
            + "." + digits + "." + "\n" + std::string(300, '8');
        const std::vector<Long> longs = longLinesOf(input, chunk, shortLines);
        EXPECT_EQ(shortLines, (std::vector<std::string>{"1", "2"})) << chunk;
        ASSERT_EQ(longs.size(), 4u) << chunk;
        EXPECT_EQ(longs[0].head, std::string(256, '7'));
        EXPECT_TRUE(longs[0].valid);
        EXPECT_EQ(longs[0].points, 0);
        EXPECT_FALSE(longs[1].valid);
        EXPECT_EQ(longs[1].points, 1);
        EXPECT_TRUE(longs[2].valid);
        EXPECT_EQ(longs[2].points, 2);
        EXPECT_EQ(longs[3].head, std::string(256, '8'));
    }
}

TEST(LineReaderTest, LongLineStartsEndBetweenCharacters)
{
    std::string input = "12";
    while (input.size() < 600)
        input += "壹";
    std::vector<std::string> shortLines;
    const std::vector<Long> longs = longLinesOf(input + "\n5", 13, shortLines);
    ASSERT_EQ(longs.size(), 1u);
    EXPECT_EQ(longs[0].head, input.substr(0, 254)); // 12 and 84 characters of 3 bytes
    EXPECT_TRUE(longs[0].valid);
    EXPECT_EQ(shortLines, std::vector<std::string>{"5"});
}

TEST(LineReaderTest, AReadErrorEndsTheLines)
{
    StringSource source("12\n5", 2, /*failAtEnd=*/true);
    LineReader reader(source);
    Line line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.bytes, "12");
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.bytes, "5");
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.readFailed());
}

// A million lines go through one small buffer; nothing grows with the
// input.
TEST(LineReaderTest, ManyLinesInOneBuffer)
{
    std::string block;
    for (int i = 0; i < 1000; ++i)
        block += std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    class Repeat : public ByteSource {
    public:
        explicit Repeat(const std::string& b) : m_block(b) { }
        std::ptrdiff_t read(char* buffer, std::size_t size) override
        {
            if (m_left == 0)
                return 0;
            std::size_t n = 0;
            while (n < size && m_left > 0) {
                const std::size_t take = std::min(size - n, m_block.size() - m_at);
                std::memcpy(buffer + n, m_block.data() + m_at, take);
                n += take;
                m_at += take;
                if (m_at == m_block.size()) {
                    m_at = 0;
                    --m_left;
                }
            }
            return static_cast<std::ptrdiff_t>(n);
        }

    private:
        const std::string& m_block;
        std::size_t m_at = 0;
        int m_left = 1000;
    } source(block);
    LineReader reader(source, 4096);
    Line line;
    std::size_t count = 0;
    std::size_t bytes = 0;
    while (reader.next(line)) {
        ASSERT_FALSE(line.truncated);
        ++count;
        bytes += line.bytes.size();
    }
    EXPECT_EQ(count, 1'000'000u);
    EXPECT_EQ(bytes, 1000u * (10 + 90 * 2 + 900 * 3));
}

} // namespace
} // namespace qhj::cli
