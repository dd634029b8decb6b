// The page's entry: a click on a control or menu item, by its described
// name, runs the command Form1 gives it. Called through Asyncify, so that a
// notice can wait for its 确定 while the page goes on drawing.
#include "app/web/web_runtime.h"
#include "window/commands.h"
#include "window/form1.h"

#include <emscripten/emscripten.h>

#include <string_view>

namespace {

qhj::window::Command commandOf(std::string_view name)
{
    if (const auto index = qhj::window::controlIndex(name))
        return qhj::window::Form1.controls[*index].command;
    for (const qhj::window::MenuItemSpec& item : qhj::window::Form1.menu.items) {
        if (item.name == name)
            return item.command;
    }
    return qhj::window::Command::kNone;
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void qhjClick(const char* name)
{
    static qhj::app::web::WebRuntime runtime;
    qhj::window::click(commandOf(name), runtime);
}
