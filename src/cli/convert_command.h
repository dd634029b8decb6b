// qinghejian-convert: the window's conversion, or the standard form, for many
// amounts at once; with --read, capitals read back into figures; with
// --check, figures checked against capitals; with --date, a cheque's date in
// capitals. Plain C++; the platform's standard streams are handed in by main.
#pragma once

#include "cli/argument.h"
#include "cli/line_reader.h"
#include "cli/output.h"
#include "version/version.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::cli {

inline constexpr int kExitConverted = 0; // every item written exactly as given
inline constexpr int kExitFailed = 1;    // some item was not, or input or output failed
inline constexpr int kExitUsage = 2;     // the command line was wrong

inline constexpr std::string_view kVersionText = "青禾笺 " QHJ_VERSION_TEXT;
extern const std::string_view kHelpText;

// Opens the file of that name for reading, or gives nullptr.
using FileOpener = std::unique_ptr<ByteSource> (*)(const std::u16string& name);

// Runs the program and returns its exit status. Items come from `args`, from
// the files they name (opened with `openFile`) and from `input` when "-" or
// nothing names it; results go to `out`, one line each, and notices, usage
// errors and I/O errors to `err`. `out` and `err` may be the same output.
// `lineCapacity` bounds the memory for a line, as the LineReader's
// capacity. The status is 0 only when every item was written exactly as
// given.
int runConvert(const std::vector<Argument>& args, ByteSource& input, BufferedOutput& out, BufferedOutput& err,
               std::size_t lineCapacity = LineReader::kDefaultCapacity, FileOpener openFile = nullptr);

} // namespace qhj::cli
