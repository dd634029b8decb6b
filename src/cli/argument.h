// What the command line is made of, below everything that reads it.
#pragma once

#include <string>
#include <string_view>

namespace qhj::cli {

inline constexpr std::string_view kProgramName = "qinghejian-convert";

// One command-line argument, as UTF-16. On systems that pass arguments as
// bytes, `valid` is false for an argument that is not UTF-8.
struct Argument {
    std::u16string text;
    bool valid = true;
};

} // namespace qhj::cli
