// What qinghejian answers on the terminal: --help and --version, before Qt
// looks for a display, so that both work over ssh and in scripts.
#pragma once

#include <optional>

namespace qhj::app::qt {

// The exit status when the arguments ask for help or the version, after
// printing it; nullopt when the window is to open. Qt's own arguments
// (-platform and the like) are left to Qt.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace qhj::app::qt
