// The process's standard streams, as the command needs them.
//
// POSIX: read(2) and write(2) on descriptors 0, 1 and 2, bytes as they are.
// Windows: a console is read with ReadConsoleW and written with
// WriteConsoleW, so Chinese shows correctly whatever the console's code
// page; a redirected stream is read and written as UTF-8 bytes.
#pragma once

#include "cli/line_reader.h"
#include "cli/output.h"

#include <memory>

namespace qhj::cli {

std::unique_ptr<ByteSource> standardInput();
std::unique_ptr<Sink> standardOutput();
std::unique_ptr<Sink> standardError();

// Whether standard output and standard error reach the same place (the same
// terminal, pipe or file), so that notices are best kept in order with the
// results by writing both through one buffer.
bool outputAndErrorShared();

} // namespace qhj::cli
