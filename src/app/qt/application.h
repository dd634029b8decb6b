// 青禾笺 on Linux as a whole program: the application set up as the
// program runs it, and Form1 shown until the program ends. main() is this
// and nothing more, so that the benchmark program in bench/ starts exactly
// the window the user gets.
#pragma once

#include "app/qt/main_window.h"

#include <functional>

namespace qhj::app::qt {

// Names the application, its version and desktop file, and sets the Song
// face throughout. Call once, after the QApplication is made.
void setUpApplication();

// Shows Form1 centred on the screen and runs the event loop until the
// program ends; returns its exit code. `beforeShow`, when given, sees the
// window just before it is shown.
int showForm1(const std::function<void(MainWindow&)>& beforeShow = {});

} // namespace qhj::app::qt
