#include "app/win32/form_window.h"

#include "app/win32/dpi.h"
#include "app/win32/form_parts.h"
#include "app/win32/resource.h"
#include "window/commands.h"

#include <commctrl.h>

#include <utility>

namespace qhj::app::win32 {
namespace {

using window::ControlKind;
using window::ControlSpec;
using window::Form1;
using window::kControlCount;

// Fixed single border: a caption with the system menu and a minimise
// button, no sizing frame and no maximise button.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

} // namespace

FormWindow::FormWindow(HINSTANCE instance) : m_instance(instance) { }

FormWindow::~FormWindow()
{
    if (m_hwnd) {
        // Detach first: no handler may run on a half-destroyed object.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool FormWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing))
        return true;

    const auto icon = [instance](int width, int height) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QINGHEJIAN), IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height), 0));
    };
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &FormWindow::windowProc;
    wc.hInstance = instance;
    wc.hIcon = icon(SM_CXICON, SM_CYICON);
    wc.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

bool FormWindow::create(int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerClass(m_instance))
        return false;

    HMENU menu = createMenuBar();
    const std::wstring caption = toWide(Form1.caption);
    // Placed and sized in WM_CREATE, once the window's dpi is known.
    HWND hwnd = CreateWindowExW(kWindowExStyle, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, m_instance, this);
    if (!hwnd) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return true;
}

int FormWindow::run()
{
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            return 1;
        processMessage(msg);
    }
}

void FormWindow::processMessage(MSG& msg)
{
    // No button is the default, so Enter in a text box presses nothing, not
    // even the button the dialog manager would make the default once Tab
    // had been there. Enter on a focused button presses it, as Space does.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_RETURN && m_hwnd
        && (msg.hwnd == m_hwnd || IsChild(m_hwnd, msg.hwnd))) {
        wchar_t cls[16] = {};
        GetClassNameW(msg.hwnd, cls, 16);
        if (msg.message == WM_KEYDOWN && lstrcmpiW(cls, L"Button") == 0)
            SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
        return;
    }
    // The dialog manager turns Esc into IDCANCEL, which no control and no
    // menu item carries: it presses nothing.
    if (m_hwnd && IsDialogMessageW(m_hwnd, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

HWND FormWindow::control(std::string_view name) const
{
    const std::optional<std::size_t> index = window::controlIndex(name);
    return index ? m_controls[*index] : nullptr;
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FormWindow*>(create->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_ACTIVATE:
        // Activated while minimised: the focus is set once it is restored.
        if (HIWORD(wParam) != 0 && LOWORD(wParam) != WA_INACTIVE)
            break;
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

bool FormWindow::onCreate()
{
    m_dpi = dpiForWindow(m_hwnd);
    m_fonts = ControlFonts(m_dpi);
    createControls();
    for (HWND child : m_controls) {
        if (!child)
            return false;
    }
    m_runtime.attach(m_hwnd, control("Text1"), control("Text2"));
    m_lastFocus = control(window::tabOrder().front());
    sizeAndCentre();
    return true;
}

void FormWindow::createControls()
{
    for (const std::size_t i : creationOrder()) {
        const ControlSpec& entry = Form1.controls[i];
        const ControlClass cls = controlClass(entry.kind);
        const std::wstring text = toWide(entry.text);
        const window::PixelRect rect = window::pixelRect(entry, m_dpi);
        const auto id = static_cast<INT_PTR>(kFirstControlId) + static_cast<INT_PTR>(i);
        HWND child = CreateWindowExW(cls.exStyle, cls.className, text.c_str(),
                                     WS_CHILD | WS_VISIBLE | cls.style, rect.left, rect.top, rect.width,
                                     rect.height, m_hwnd, reinterpret_cast<HMENU>(id), m_instance, nullptr);
        if (!child)
            continue;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.forControl(i)), FALSE);
        if (entry.kind == ControlKind::kTextBox)
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
        m_controls[i] = child;
    }
}

void FormWindow::placeControls()
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const window::PixelRect rect = window::pixelRect(Form1.controls[i], m_dpi);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.forControl(i)), FALSE);
        SetWindowPos(m_controls[i], nullptr, rect.left, rect.top, rect.width, rect.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void FormWindow::sizeAndCentre()
{
    const int clientWidth = window::twipsToPixels(Form1.clientWidth, m_dpi);
    const int clientHeight = window::twipsToPixels(Form1.clientHeight, m_dpi);
    RECT frame =
        windowRectForClient({0, 0, clientWidth, clientHeight}, kWindowStyle, true, kWindowExStyle, m_dpi);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    SetWindowPos(m_hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A menu bar that wraps onto a second line takes client height: measure
    // and make up for it.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    width += clientWidth - (client.right - client.left);
    height += clientHeight - (client.bottom - client.top);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int left = area.left + ((area.right - area.left) - width) / 2;
    const int top = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(m_hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::onCommand(int id, int notification, HWND from)
{
    // A menu item sends notification 0 and no control handle; a button
    // BN_CLICKED with its handle. IDOK and IDCANCEL match nothing.
    const bool fromMenu = from == nullptr && notification == 0;
    const bool clicked = from != nullptr && notification == BN_CLICKED;
    if (!fromMenu && !clicked)
        return;
    if (const std::optional<window::Command> command = commandFor(id, fromMenu))
        window::click(*command, m_runtime);
}

void FormWindow::onActivate(bool active)
{
    // Keep the focus on the control that had it when the window lost it;
    // at the start that is the first in tab order, Command2.
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_hwnd, focus))
            m_lastFocus = focus;
        return;
    }
    if (m_lastFocus && IsWindow(m_lastFocus))
        SetFocus(m_lastFocus);
}

void FormWindow::onDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    // The old fonts go only once no control uses them any more.
    const ControlFonts old = std::exchange(m_fonts, ControlFonts(m_dpi));
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placeControls();
}

void FormWindow::onDestroy()
{
    PostQuitMessage(0);
}

} // namespace qhj::app::win32
