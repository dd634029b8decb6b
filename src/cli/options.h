// qinghejian-convert's command line: which job it does, and on what.
#pragma once

#include "cli/argument.h"
#include "cli/encoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::cli {

enum class Job {
    kConvert,  // the window's form
    kStandard, // --standard
    kRead,     // --read
    kCheck,    // --check
    kDate,     // --date
    kHelp,
    kVersion,
};

// Where items come from, in the order the command line gives them.
struct Input {
    enum class Kind {
        kText,          // the argument itself
        kFile,          // the lines of the file the argument names
        kStandardInput, // "-"
    };
    Kind kind = Kind::kText;
    const Argument* arg = nullptr; // of a text
    std::u16string file;           // the name of a file
};

struct Options {
    Job job = Job::kConvert;
    // Empty when the command line names none: then standard input.
    std::vector<Input> inputs;
    std::size_t texts = 0; // how many inputs are arguments
    bool renminbi = false; // --rmb: 人民币 before the standard form
    // --csv: the input is a spreadsheet; the columns of the figures and the
    // capitals, by number from 1, or by name from the header row. --check
    // takes the first two when none are named; --standard needs the
    // figures' named, and writes into the capitals' when it is.
    bool csv = false;
    bool header = false;
    std::optional<std::u16string> figuresColumn;
    std::optional<std::u16string> capitalsColumn;
    // --encoding: every input is in this encoding; otherwise each says.
    std::optional<Encoding> encoding;
    // --output-encoding: the output is in this one; otherwise a table goes
    // out as it came in.
    std::optional<Encoding> outputEncoding;
    // Set when the command line is wrong: what to tell the user, without
    // the closing hint.
    std::string usageError;
};

// Whether `column` names a column by its number rather than by its name.
bool isColumnNumber(std::u16string_view column);

// Options may stand before, between and after the operands; "--" ends them.
// Before it, an argument is an option when it is "-" and a letter, or "--"
// and a name; "-" alone is standard input, and "-5" an amount.
Options parseOptions(const std::vector<Argument>& args);

} // namespace qhj::cli
