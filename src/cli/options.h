// qinghejian-convert's command line: which job it does, and on what.
#pragma once

#include "cli/convert_command.h"

#include <string>
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

struct Options {
    Job job = Job::kConvert;
    std::vector<const Argument*> operands;
    // Set when the command line is wrong: what to tell the user, without
    // the closing hint.
    std::string usageError;
};

// Options may stand before, between and after the operands; "--" ends them,
// and before it an argument starting with "-" is an option.
Options parseOptions(const std::vector<Argument>& args);

} // namespace qhj::cli
