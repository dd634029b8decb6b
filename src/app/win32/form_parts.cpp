#include "app/win32/form_parts.h"

namespace qhj::app::win32 {
namespace {

using window::ControlKind;
using window::ControlSpec;
using window::Form1;
using window::kControlCount;

// A menu caption shown as it is: "&" would make an access key.
std::wstring literalMenuText(std::u16string_view caption)
{
    std::wstring text;
    for (const char16_t c : caption) {
        if (c == u'&')
            text += L'&';
        text += static_cast<wchar_t>(c);
    }
    return text;
}

} // namespace

ControlClass controlClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::kButton:
        // BS_PUSHBUTTON, never BS_DEFPUSHBUTTON: no button is the default.
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::kTextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kLabel:
        // SS_NOPREFIX: "&" in a caption would otherwise make an access key.
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"STATIC", 0, 0};
}

// Form1.menu as a menu bar: its one popup and the items in order.
HMENU createMenuBar()
{
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    if (!bar || !popup) {
        if (bar)
            DestroyMenu(bar);
        if (popup)
            DestroyMenu(popup);
        return nullptr;
    }
    for (std::size_t i = 0; i < Form1.menu.items.size(); ++i) {
        const auto id = static_cast<UINT_PTR>(kFirstMenuId) + i;
        AppendMenuW(popup, MF_STRING, id, literalMenuText(Form1.menu.items[i].caption).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                literalMenuText(Form1.menu.caption).c_str());
    return bar;
}

// The order to create the controls in, which becomes their z-order: the
// order the dialog manager walks for Tab, so tab order, with each text box's
// label just before it. Labels take no focus, and Windows names an edit
// control for screen readers after the static control before it.
std::array<std::size_t, kControlCount> creationOrder()
{
    std::array<std::size_t, kControlCount> order{};
    std::array<bool, kControlCount> placed{};
    std::size_t count = 0;
    const auto place = [&](std::size_t i) {
        if (!placed[i]) {
            placed[i] = true;
            order[count++] = i;
        }
    };
    for (std::string_view name : window::tabOrder()) {
        if (const std::optional<std::size_t> label = window::labelIndexFor(name))
            place(*label);
        place(*window::controlIndex(name));
    }
    for (std::size_t i = 0; i < kControlCount; ++i)
        place(i);
    return order;
}

std::optional<window::Command> commandFor(int id, bool fromMenu)
{
    if (fromMenu) {
        const int item = id - kFirstMenuId;
        if (item < 0 || item >= static_cast<int>(Form1.menu.items.size()))
            return std::nullopt;
        return Form1.menu.items[static_cast<std::size_t>(item)].command;
    }
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kControlCount))
        return std::nullopt;
    const ControlSpec& entry = Form1.controls[static_cast<std::size_t>(index)];
    if (entry.kind != ControlKind::kButton)
        return std::nullopt;
    return entry.command;
}

} // namespace qhj::app::win32
