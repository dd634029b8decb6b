// How long an edit control takes to take a paste of `digits` sevens: the
// text goes on the clipboard, then WM_PASTE, timed until it returns. For
// the paste comparison of `make bench` under Wine.
#pragma once

#include <windows.h>

#include <string>

inline double pasteMilliseconds(HWND edit, std::size_t digits)
{
    const std::wstring text(digits, L'7');
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(chars, text.size());
    chars[text.size()] = L'\0';
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    SetWindowTextW(edit, L"");
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(edit, WM_PASTE, 0, 0);
    QueryPerformanceCounter(&end);
    if (static_cast<std::size_t>(GetWindowTextLengthW(edit)) != digits)
        return -1;
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}
