// The page's entry: a click on a control or menu item runs the command the
// page was written with for it (Form1's, by form1_page.cpp). Called through
// Asyncify, so that a notice can wait for its 确定 while the page goes on
// drawing.
#include "app/web/web_runtime.h"
#include "window/commands.h"

#include <emscripten/emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void qhjClick(int command)
{
    static qhj::app::web::WebRuntime runtime;
    const bool known = command >= 0 && command <= static_cast<int>(qhj::window::Command::kNone);
    qhj::window::click(known ? static_cast<qhj::window::Command>(command) : qhj::window::Command::kNone,
                       runtime);
}
