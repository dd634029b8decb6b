// Feeds qinghejian-convert --check --csv arbitrary bytes as a spreadsheet and
// checks that it neither crashes nor loses or changes a row: the table
// written holds one record for each record read, with every field as it
// was and the verdict after them; a blank record stays as it was.
#include "cli/cli_streams.h"
#include "cli/convert_command.h"
#include "cli/table.h"
#include "cli/text_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Each record's fields' texts, as the reader gives them.
std::vector<std::vector<std::string>> records(qhj::cli::ByteSource& source)
{
    std::vector<std::vector<std::string>> out;
    qhj::cli::TableReader reader(source);
    qhj::cli::Record record;
    while (reader.next(record)) {
        out.emplace_back();
        for (const std::string_view field : record.fields)
            qhj::cli::appendFieldText(field, out.back().emplace_back());
    }
    return out;
}

[[noreturn]] void fail(const char* what, std::size_t record)
{
    std::fprintf(stderr, "record %zu: %s\n", record + 1, what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The input as the program decodes it.
    qhj::cli::testing::StringSource raw(bytes, 7);
    qhj::cli::TextInput text(raw);
    const auto in = records(text);

    std::vector<qhj::cli::Argument> args;
    for (const char16_t* arg : {u"--check", u"--csv", u"--capitals", u"3", u"--output-encoding", u"utf-8"})
        args.push_back({arg, true});
    qhj::cli::testing::StringSource source(bytes, 7);
    qhj::cli::testing::StringSink outSink;
    qhj::cli::testing::StringSink errSink;
    {
        qhj::cli::BufferedOutput out(outSink, "\n");
        qhj::cli::BufferedOutput err(errSink, "\n");
        qhj::cli::runConvert(args, source, out, err);
    }
    qhj::cli::testing::StringSource written(outSink.text);
    const auto out = records(written);
    // A table too narrow for column 3 is a usage error, and nothing else.
    if (out.empty() && !in.empty() && in.front().size() < 3)
        return 0;
    if (out.size() != in.size())
        fail("a record was lost or split", std::min(in.size(), out.size()));
    for (std::size_t i = 0; i < in.size(); ++i) {
        // Blanks are spaces, tabs and U+3000, the ideographic space.
        const bool blank = std::all_of(in[i].begin(), in[i].end(), [](std::string field) {
            for (std::size_t at; (at = field.find("\u3000")) != std::string::npos;)
                field.erase(at, 3);
            return field.find_first_not_of(" \t") == std::string::npos;
        });
        if (blank && out[i] != in[i])
            fail("a blank record changed", i);
        if (!blank && out[i].size() != in[i].size() + 1)
            fail("the fields are not the same", i);
        if (!std::equal(in[i].begin(), in[i].end(), out[i].begin()))
            fail("a field changed", i);
    }
    return 0;
}
