// How long an edit control takes to take a paste of `digits` sevens: the
// text goes on the clipboard, then WM_PASTE, timed until it returns. For
// the paste comparison of `make bench` under Wine.
#pragma once

#include "support/win32_clipboard_text.h"

#include <windows.h>

#include <string>

inline double pasteMilliseconds(HWND edit, std::size_t digits)
{
    putOnClipboard(std::wstring(digits, L'7'));

    SetWindowTextW(edit, L"");
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(edit, WM_PASTE, 0, 0);
    QueryPerformanceCounter(&end);
    if (static_cast<std::size_t>(GetWindowTextLengthW(edit)) != digits)
        return -1;
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0
        / static_cast<double>(frequency.QuadPart);
}
