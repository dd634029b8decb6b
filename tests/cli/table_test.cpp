// The spreadsheet reader and writer: records and fields as RFC 4180 and the
// tab-separated "Unicode text" have them, each record kept as it stood.
#include "cli/table.h"

#include "cli_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

struct Case {
    const char* name;
    std::string text;
    // Each record as its fields' texts joined by |, then its line end
    // written as ¶ (LF) or ⏎ (CRLF); records joined by ;. A record whose
    // text is blank is marked _.
    std::string records;
};

std::string described(const Record& record)
{
    std::string out;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        out += i == 0 ? "" : "|";
        appendFieldText(record.fields[i], out);
    }
    out += record.lineEnd == "\n" ? "¶" : record.lineEnd == "\r\n" ? "⏎" : "";
    return isBlank(record) ? out + "_" : out;
}

TEST(TableReaderTable, RecordsFieldsAndLineEnds)
{
    const std::vector<Case> table{
        {"plain", "a,b\n1,2\n", "a|b¶;1|2¶"},
        {"CRLF, no end", "a,b\r\n1,2", "a|b⏎;1|2"},
        {"quotes", "\"1,409.50\",\"say \"\"hi\"\"\"\n", "1,409.50|say \"hi\"¶"},
        {"a line end in quotes", "\"a\r\nb\",c\nd,e\n", "a\r\nb|c¶;d|e¶"},
        {"a quote inside a field is text", "a\"b,\"c\"d\n", "a\"b|cd¶"},
        {"empty fields", ",\n,,x\n", "|¶_;||x¶"},
        // A blank row keeps its place, as in the spreadsheet.
        {"blank rows", "a\n\n\r\n \u3000,\t\nb", "a¶;¶_;⏎_; \u3000|\t¶_;b"},
        {"tabs when the first record has one", "a\tb,c\n1\t2\n", "a|b,c¶;1|2¶"},
        {"a tab in quotes decides nothing", "\"a\tb\",c\n", "a\tb|c¶"},
        {"nor does a line end in quotes", "\"a\nb\"\tc\n", "a\nb|c¶"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\n",
         "a|b¶"},
        {"a quote left open", "a,\"b\nc", "a|b\nc"},
        {"a lone CR is text", "a\rb\n", "a\rb¶"},
        {"nothing", "", ""},
    };
    for (const Case& c : table) {
        // Pieces of every size, and a buffer that must grow for a record.
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 16}) {
            SCOPED_TRACE(std::string(c.name) + ", reads of " + std::to_string(chunk));
            testing::StringSource source(c.text, chunk);
            TableReader reader(source, 4);
            Record record;
            std::string records;
            std::string again;
            while (reader.next(record)) {
                records += (records.empty() ? "" : ";") + described(record);
                again += std::string(record.text) + std::string(record.lineEnd);
            }
            EXPECT_EQ(records, c.records);
            // Every byte of the text is in some record, in order.
            EXPECT_EQ(again,
                      std::string_view(c.text).starts_with("\xEF\xBB\xBF") ? c.text.substr(3) : c.text);
            EXPECT_FALSE(reader.readFailed());
        }
    }
}

TEST(TableWriterTable, QuotesOnlyWhatNeedsThem)
{
    const struct {
        std::string text;
        char separator;
        std::string field;
    } table[] = {
        {"一致", ',', "一致"},
        {"1,409.50", ',', "\"1,409.50\""},
        {"1,409.50", '\t', "1,409.50"},
        {"a\tb", '\t', "\"a\tb\""},
        {"say \"hi\"", ',', "\"say \"\"hi\"\"\""},
        {"a\r\nb", ',', "\"a\r\nb\""},
        {"", ',', ""},
    };
    for (const auto& c : table) {
        std::string field;
        appendField(c.text, c.separator, field);
        EXPECT_EQ(field, c.field);
        // And it reads back as it was.
        std::string text;
        appendFieldText(field, text);
        EXPECT_EQ(text, c.text);
    }
}

TEST(TableReaderTest, AReadErrorEndsTheTable)
{
    testing::StringSource source("a,b\n1,2", 3, true);
    TableReader reader(source);
    Record record;
    while (reader.next(record)) { }
    EXPECT_TRUE(reader.readFailed());
}

} // namespace
} // namespace qhj::cli
