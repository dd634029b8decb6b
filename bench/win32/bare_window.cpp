// The least a Win32 program does to show a window of Form1's client size
// with Chinese in its caption and one line of Chinese in "宋体" 12 pt: the
// baseline for qinghejian.exe's start-up time under Wine. Loading the CJK
// fonts is part of showing Chinese at all, so it counts on both sides, as
// in the Qt program's benchmark.
//
//   bare_window.exe --paste N FILE
//
// instead gives the window one plain edit control in the same face, pastes
// N digits into it, writes the milliseconds the paste took to FILE and
// ends: the baseline for a paste into qinghejian.exe's Text1 (paste_bench).
#include "paste_timing.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

HFONT g_font = nullptr;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HGDIOBJ old = SelectObject(dc, g_font);
        SetBkMode(dc, TRANSPARENT);
        static const wchar_t kLine[] = L"输入数字: 壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整";
        TextOutW(dc, 8, 8, kLine, static_cast<int>(wcslen(kLine)));
        SelectObject(dc, old);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = L"BareWindow";
    if (!RegisterClassExW(&wc))
        return 1;
    g_font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rect{0, 0, 454, 90};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"bare-window 青禾笺", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);

    unsigned long digits = 0;
    wchar_t file[MAX_PATH] = {};
    if (std::swscanf(commandLine, L"--paste %lu %259ls", &digits, file) == 2) {
        HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                    WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 80, 8, 257, 26, hwnd,
                                    nullptr, instance, nullptr);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
        SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
        const double ms = pasteMilliseconds(edit, digits);
        if (FILE* out = _wfopen(file, L"w")) {
            std::fprintf(out, "%.0f\n", ms);
            std::fclose(out);
        }
        DestroyWindow(hwnd);
    }

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(g_font);
    return static_cast<int>(msg.wParam);
}
