// Dots per inch of a window and window frames at that dpi. The per-monitor
// calls exist from Windows 10 1607 on and are looked up at run time, so the
// program still starts on older Windows, where the system dpi is used.
#pragma once

#include "app/win32/win32_api.h"

namespace qhj::app::win32 {

int dpiForWindow(HWND window);

// Window rectangle for `client` at `dpi`, as AdjustWindowRectExForDpi.
RECT windowRectForClient(RECT client, DWORD style, bool hasMenu, DWORD exStyle, int dpi);

// Font height for LOGFONT: negative, the em height in pixels.
int fontHeight(int tenthsOfPoint, int dpi);

} // namespace qhj::app::win32
