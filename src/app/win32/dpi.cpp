#include "app/win32/dpi.h"

namespace qhj::app::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Fn> Fn user32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32)
        return nullptr;
    // GetProcAddress returns a generic function pointer; the cast through
    // void* keeps -Wcast-function-type quiet.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

} // namespace

int dpiForWindow(HWND window)
{
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0)
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

RECT windowRectForClient(RECT client, DWORD style, bool hasMenu, DWORD exStyle, int dpi)
{
    static const auto adjustForDpi = user32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect = client;
    if (adjustForDpi)
        adjustForDpi(&rect, style, hasMenu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    return rect;
}

int fontHeight(int tenthsOfPoint, int dpi)
{
    // 72 points to the inch; tenths of a point make it 720.
    return -MulDiv(tenthsOfPoint, dpi, 720);
}

} // namespace qhj::app::win32
