// What an exception nobody catches does in the Windows program: abort, which
// ends the program at once, as any unhandled error in a command does.
//
// libstdc++'s default handler prints the exception's demangled type to
// stderr, which a -mwindows program does not have; linked statically it
// brings the whole C++ demangler (about 45 KiB, a fifth of the .exe). This
// definition takes its place at link time, so it must be part of the
// executable itself, not of a library searched after libstdc++.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
