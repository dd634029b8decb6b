// Where qinghejian-convert meets the system: its standard streams, and the
// entry point that hands the arguments to runProgram (main.cpp). Each system
// has its file, platform_posix.cpp or platform_windows.cpp, chosen by CMake.
#pragma once

#include "cli/convert_command.h"
#include "cli/line_reader.h"
#include "cli/output.h"

#include <memory>
#include <vector>

namespace qhj::cli {

std::unique_ptr<ByteSource> standardInput();
std::unique_ptr<Sink> standardOutput();
std::unique_ptr<Sink> standardError();
// The file of that name, opened for reading; nullptr when it cannot be.
std::unique_ptr<ByteSource> openFile(const std::u16string& name);

// Whether standard output and standard error reach the same place (the same
// terminal, pipe or file), so that notices are best kept in order with the
// results by writing both through one buffer.
bool outputAndErrorShared();

// The program on the standard streams; returns its exit status.
int runProgram(const std::vector<Argument>& args);

} // namespace qhj::cli
