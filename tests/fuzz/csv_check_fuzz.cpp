// Feeds qinghejian-convert --check --csv arbitrary bytes as a spreadsheet and
// checks that it neither crashes nor loses or changes a row: the table
// written holds one record for each record read, with every field as it
// was and the verdict after them; a blank record stays as it was.
#include "cli/cli_streams.h"
#include "cli/convert_command.h"
#include "cli/text_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

// The records and fields of a table, read here on their own rather than by
// the program's reader: a quote opens a field only as its first byte, ""
// in quotes is a quote, a record ends at a line feed outside quotes and a
// CR just before it goes with it, and the separator is a tab when the
// first record has one outside quotes, else a comma.
Records records(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    char separator = ',';
    for (int pass = 0; pass < 2; ++pass) {
        Records out;
        std::vector<std::string> record{""};
        bool quoted = false;
        bool start = true;
        bool cr = false;      // the field's last byte is a CR outside quotes
        bool pending = false; // bytes read since the last record ended
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            pending = true;
            if (quoted) {
                if (c != '"')
                    record.back() += c;
                else if (i + 1 < text.size() && text[i + 1] == '"')
                    record.back() += text[++i];
                else
                    quoted = false;
                continue;
            }
            const bool separates = c == separator || (pass == 0 && c == '\t');
            if (pass == 0 && c == '\t') {
                separator = '\t';
                break;
            }
            if (c == '\n' && pass == 0)
                break;
            if (c == '"' && start) {
                quoted = true;
                start = false;
            } else if (separates) {
                record.emplace_back();
                start = true;
            } else if (c == '\n') {
                if (cr)
                    record.back().pop_back();
                out.push_back(std::move(record));
                record.assign(1, "");
                start = true;
                pending = false;
            } else {
                record.back() += c;
                start = false;
            }
            cr = c == '\r';
        }
        if (pass == 1) {
            if (pending)
                out.push_back(std::move(record));
            return out;
        }
    }
    return {};
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
    // The input as the program decodes it, whatever its encoding.
    qhj::cli::testing::StringSource raw(bytes, 7);
    qhj::cli::TextInput text(raw);
    std::string decoded;
    char buffer[64];
    for (std::ptrdiff_t n; (n = text.read(buffer, sizeof buffer)) > 0;)
        decoded.append(buffer, static_cast<std::size_t>(n));
    const Records in = records(decoded);

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
    const Records out = records(outSink.text);
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
