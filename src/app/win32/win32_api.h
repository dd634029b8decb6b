// <windows.h> as the Win32 front end uses it. The header defines MessageBox
// as a macro, which would rename qhj::runtime::MessageBox in every file that
// sees both: the macro is dropped here and MessageBoxW called by name.
#pragma once

#ifndef UNICODE
#error "the Win32 front end is built with UNICODE"
#endif

#include <windows.h>

#undef MessageBox

#include <string>
#include <string_view>

namespace qhj::app::win32 {

// The runtime speaks char16_t, Win32 wchar_t; both are UTF-16 code units on
// Windows, copied one by one rather than cast.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring toWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace qhj::app::win32
