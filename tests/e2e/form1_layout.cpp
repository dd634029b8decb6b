// Writes what the end-to-end harness needs to know of Form1 as shell
// assignments: the caption, the client size, each control's rectangle at
// 96 dpi, the tab order, the menu, and the titles a notice can have. Built
// and run at build time, so the harness never holds a copy of them.
#include "cli/utf8.h"
#include "runtime/runtime.h"
#include "window/commands.h"
#include "window/convert_amount.h"
#include "window/form1.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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

std::string quoted(std::u16string_view text)
{
    std::string bytes;
    qhj::cli::appendUtf8(text, bytes);
    return quoted(std::string_view(bytes));
}

} // namespace

int main()
{
    std::printf("# Made from Form1 at build time; pixels at 96 dpi.\n");
    std::printf("FORM1_CAPTION=%s\n", quoted(Form1.caption).c_str());
    std::printf("FORM1_CLIENT_WIDTH=%d\n", qhj::window::twipsToPixels(Form1.clientWidth));
    std::printf("FORM1_CLIENT_HEIGHT=%d\n", qhj::window::twipsToPixels(Form1.clientHeight));
    std::printf("declare -A FORM1_RECT=(");
    for (const auto& entry : Form1.controls) {
        const qhj::window::PixelRect r = qhj::window::pixelRect(entry);
        std::printf(" [%.*s]='%d %d %d %d'", static_cast<int>(entry.name.size()), entry.name.data(), r.left,
                    r.top, r.width, r.height);
    }
    std::printf(" )\ndeclare -A FORM1_TEXT=(");
    for (const auto& entry : Form1.controls)
        std::printf(" [%.*s]=%s", static_cast<int>(entry.name.size()), entry.name.data(),
                    quoted(entry.text).c_str());
    std::printf(" )\nFORM1_TAB_ORDER=(");
    for (const std::string_view name : qhj::window::tabOrder())
        std::printf(" %.*s", static_cast<int>(name.size()), name.data());
    std::printf(" )\nFORM1_MENU_NAME=%s\nFORM1_MENU_CAPTION=%s\nFORM1_MENU_ITEMS=(",
                quoted(Form1.menu.name).c_str(), quoted(Form1.menu.caption).c_str());
    for (const auto& item : Form1.menu.items)
        std::printf(" %.*s", static_cast<int>(item.name.size()), item.name.data());
    std::printf(" )\nNOTICE_TITLES=(");
    std::vector<std::u16string_view> titles{qhj::runtime::kApplicationTitle, qhj::window::kErrorTitle};
    using qhj::conversion::Notice;
    for (const Notice notice : {Notice::kMorePoints, Notice::kExtraDecimals, Notice::kFailure}) {
        const std::u16string_view title = qhj::runtime::effectiveTitle(qhj::window::noticeBox(notice).title);
        if (std::find(titles.begin(), titles.end(), title) == titles.end())
            titles.push_back(title);
    }
    for (const std::u16string_view title : titles)
        std::printf(" %s", quoted(title).c_str());
    std::printf(" )\n");
    return 0;
}
