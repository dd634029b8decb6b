// Puts text on the Windows clipboard the plain way, apart from the
// program's own clipboard code, for the Win32 tests and the paste bench to
// set the scene with.
#pragma once

#include <windows.h>

#include <string_view>

inline void putOnClipboard(std::wstring_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(chars, text.size());
    chars[text.size()] = L'\0';
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}
