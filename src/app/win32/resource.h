// Resource identifiers of qinghejian.exe, shared by the resource script and
// the C++ code. Kept free of C++ so that windres can read it.
#pragma once

// The icon the shell shows first is the one with the lowest identifier.
#define IDI_QINGHEJIAN 1

#define IDR_MAINMENU 101

// The items of the menu `help`, in the order of Form1.menu.items. Far from
// 1 and 2, which dialog handling sends for Enter and Esc as IDOK and IDCANCEL.
#define IDM_NOTE 40001
#define IDM_COPYR 40002
#define IDM_EXIT 40003
