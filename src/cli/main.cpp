// qinghejian-convert: the command-line companion of 青禾笺. See
// convert_command.h for what it does and platform.h for how it meets the
// system.
#include "cli/convert_command.h"
#include "cli/platform.h"
#include "cli/utf8.h"

#include <string>
#include <vector>

namespace {

int run(std::vector<qhj::cli::Argument> args)
{
    using namespace qhj::cli;
    const auto input = standardInput();
    const auto outSink = standardOutput();
    const auto errSink = standardError();
    BufferedOutput out(*outSink);
    if (outputAndErrorShared())
        return runConvert(args, *input, out, out);
    BufferedOutput err(*errSink);
    return runConvert(args, *input, out, err);
}

} // namespace

#ifdef _WIN32

// Windows passes the command line as UTF-16 (MinGW links this entry with
// -municode).
int wmain(int argc, wchar_t** argv)
{
    std::vector<qhj::cli::Argument> args;
    for (int i = 1; i < argc; ++i) {
        qhj::cli::Argument arg;
        for (const wchar_t* c = argv[i]; *c != L'\0'; ++c)
            arg.text += static_cast<char16_t>(*c);
        args.push_back(std::move(arg));
    }
    return run(std::move(args));
}

#else

// POSIX passes bytes, taken as UTF-8; one that is not fails as an amount.
int main(int argc, char** argv)
{
    std::vector<qhj::cli::Argument> args;
    for (int i = 1; i < argc; ++i) {
        qhj::cli::Argument arg;
        arg.valid = qhj::cli::decodeUtf8(argv[i], arg.text);
        args.push_back(std::move(arg));
    }
    return run(std::move(args));
}

#endif
