// What Form1 is made of on Win32: the window class of each kind of control,
// the menu bar, the order the controls are created in, and the command a
// control or menu identifier stands for.
#pragma once

#include "app/win32/win32_api.h"
#include "window/form1.h"

#include <array>
#include <optional>

namespace qhj::app::win32 {

// Control identifiers: kFirstControlId + the control's index in
// Form1.controls; menu items kFirstMenuId + their index in Form1.menu.items.
// Both far from 1 and 2, which the dialog manager sends for Enter and Esc
// (IDOK, IDCANCEL).
inline constexpr int kFirstControlId = 1001;
inline constexpr int kFirstMenuId = 40001;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(window::ControlKind kind);

// Form1.menu as a menu bar: its one popup with the items in order, their
// captions shown literally. nullptr when the menus could not be made.
HMENU createMenuBar();

// The order to create the controls in, as indices into Form1.controls.
std::array<std::size_t, window::kControlCount> creationOrder();

// The command of a control identifier, or of a menu item's when `fromMenu`.
std::optional<window::Command> commandFor(int id, bool fromMenu);

} // namespace qhj::app::win32
