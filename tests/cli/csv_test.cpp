// The spreadsheet reader: records and fields as RFC 4180 and the
// tab-separated "Unicode text" have them, and the line each record starts on.
#include "cli/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qhj::cli {
namespace {

struct Case {
    const char* name;
    std::string text;
    std::string records; // fields joined by |, each record as "line:fields", records by ;
};

TEST(CsvTable, RecordsFieldsAndLines)
{
    const std::vector<Case> table{
        {"plain", "a,b\n1,2\n", "1:a|b;2:1|2"},
        {"CRLF, no end", "a,b\r\n1,2", "1:a|b;2:1|2"},
        {"quotes", "\"1,409.50\",\"say \"\"hi\"\"\"\n", "1:1,409.50|say \"hi\""},
        {"a line end in quotes", "\"a\r\nb\",c\nd,e\n", "1:a\r\nb|c;3:d|e"},
        {"empty fields", ",\n,,x\n", "1:|;2:||x"},
        {"tabs when the first record has one", "a\tb,c\n1\t2\n", "1:a|b,c;2:1|2"},
        {"a comma in quotes decides nothing", "\"a\tb\",c\n", "1:a\tb|c"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\n",
         "1:a|b"},
        {"a quote left open", "a,\"b\nc", "1:a|b\nc"},
        {"empty lines give no record, and count as lines", "a\n\n\r\nb\n", "1:a;4:b"},
        {"nothing", "", ""},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        CsvReader reader(c.text);
        std::vector<std::string> fields;
        std::string records;
        while (reader.next(fields)) {
            records += (records.empty() ? "" : ";") + std::to_string(reader.line()) + ":";
            for (std::size_t i = 0; i < fields.size(); ++i)
                records += (i == 0 ? "" : "|") + fields[i];
        }
        EXPECT_EQ(records, c.records);
    }
}

} // namespace
} // namespace qhj::cli
