// qinghejian-convert: the command-line companion of 青禾笺. See
// convert_command.h for what it does and platform.h for how it meets the
// system.
#include "cli/convert_command.h"
#include "cli/platform.h"

namespace qhj::cli {

int runProgram(const std::vector<Argument>& args)
{
    const auto input = standardInput();
    const auto outSink = standardOutput();
    const auto errSink = standardError();
    BufferedOutput out(*outSink);
    if (outputAndErrorShared())
        return runConvert(args, *input, out, out, LineReader::kDefaultCapacity, openFile);
    BufferedOutput err(*errSink);
    return runConvert(args, *input, out, err, LineReader::kDefaultCapacity, openFile);
}

} // namespace qhj::cli
