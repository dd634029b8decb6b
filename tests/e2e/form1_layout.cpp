// Writes where Form1's parts are, as shell assignments for the end-to-end
// harness: the client size, each control's rectangle at 96 dpi, the tab
// order and the menu's names. Built and run at build time, so the harness
// never holds a copy of the geometry; the texts the tests expect are
// written out in tests/e2e/harness/form1_texts.sh.
#include "window/commands.h"
#include "window/form1.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using qhj::window::Form1;

// A single-quoted shell word.
std::string quoted(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

} // namespace

int main()
{
    std::printf("# Made from Form1 at build time; pixels at 96 dpi.\n");
    std::printf("FORM1_CLIENT_WIDTH=%d\n", qhj::window::twipsToPixels(Form1.clientWidth));
    std::printf("FORM1_CLIENT_HEIGHT=%d\n", qhj::window::twipsToPixels(Form1.clientHeight));
    std::printf("declare -A FORM1_RECT=(");
    for (const auto& entry : Form1.controls) {
        const qhj::window::PixelRect r = qhj::window::pixelRect(entry);
        std::printf(" [%.*s]='%d %d %d %d'", static_cast<int>(entry.name.size()), entry.name.data(), r.left,
                    r.top, r.width, r.height);
    }
    std::printf(" )\nFORM1_TAB_ORDER=(");
    for (const std::string_view name : qhj::window::tabOrder())
        std::printf(" %.*s", static_cast<int>(name.size()), name.data());
    std::printf(" )\nFORM1_MENU_NAME=%s\nFORM1_MENU_ITEMS=(", quoted(Form1.menu.name).c_str());
    for (const auto& item : Form1.menu.items)
        std::printf(" %.*s", static_cast<int>(item.name.size()), item.name.data());
    std::printf(" )\n");
    return 0;
}
