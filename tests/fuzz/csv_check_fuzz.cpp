// Feeds qinghejian-convert --check --csv arbitrary bytes as a spreadsheet and
// checks that it neither crashes nor loses a row: one verdict line for each
// record the reader finds, whatever the rows hold.
#include "cli/cli_streams.h"
#include "cli/convert_command.h"
#include "cli/csv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::size_t records = 0;
    std::vector<std::string> fields;
    for (qhj::cli::CsvReader reader(bytes); reader.next(fields);)
        ++records;

    std::vector<qhj::cli::Argument> args;
    for (const char16_t* arg : {u"--check", u"--csv", u"--capitals", u"3"})
        args.push_back({arg, true});
    qhj::cli::testing::StringSource source(bytes, 7);
    qhj::cli::testing::StringSink outSink;
    qhj::cli::testing::StringSink errSink;
    {
        qhj::cli::BufferedOutput out(outSink, "\n");
        qhj::cli::BufferedOutput err(errSink, "\n");
        qhj::cli::runConvert(args, source, out, err);
    }
    std::size_t verdicts = 0;
    for (const char c : outSink.text)
        verdicts += c == '\n' ? 1 : 0;
    if (verdicts != records) {
        std::fprintf(stderr, "%zu records gave %zu verdicts\n", records, verdicts);
        std::abort();
    }
    return 0;
}
