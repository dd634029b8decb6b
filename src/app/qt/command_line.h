// What qinghejian answers on the terminal: --help and --version, before Qt
// looks for a display, so that both work over ssh and in scripts.
#pragma once

#include <optional>

namespace qhj::app::qt {

// The exit status when the arguments ask for help or the version, after
// printing it, or hold anything else (status 2); nullopt when the window
// is to open. Qt's own arguments (-platform and the like) are left to Qt.
// Until displayFound(), Qt failing to find a display ends the program
// with status 1 and a Chinese message instead of aborting.
std::optional<int> answerCommandLine(int argc, char** argv);
void displayFound();

} // namespace qhj::app::qt
