#include "app/win32/main_window.h"

#include "app/win32/dpi.h"
#include "app/win32/resource.h"
#include "window/commands.h"

#include <commctrl.h>

namespace qhj::app::win32 {
namespace {

using window::ControlKind;
using window::ControlSpec;
using window::Form1;
using window::FontSpec;

// Fixed single border: a caption with the system menu and a minimise
// button, no sizing frame and no maximise button.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

constexpr int kMenuIds[] = {IDM_NOTE, IDM_COPYR, IDM_EXIT};
static_assert(std::size(kMenuIds) == Form1.menu.items.size());

bool sameFont(const FontSpec& a, const FontSpec& b)
{
    return a.family == b.family && a.tenthsOfPoint == b.tenthsOfPoint &&
           a.charset == b.charset && a.weight == b.weight;
}

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::kButton:
        // BS_PUSHBUTTON, never BS_DEFPUSHBUTTON: no button is the default.
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::kTextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kLabel:
        // SS_NOPREFIX: "&" in a caption would otherwise make an access key.
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"STATIC", 0, 0};
}

std::size_t indexOf(std::string_view name)
{
    for (std::size_t i = 0; i < Form1.controls.size(); ++i) {
        if (Form1.controls[i].name == name)
            return i;
    }
    return Form1.controls.size();
}

// The label that names a text box: the one on its row, to its left.
std::optional<std::size_t> labelOf(const ControlSpec& box)
{
    for (std::size_t i = 0; i < Form1.controls.size(); ++i) {
        const ControlSpec& label = Form1.controls[i];
        const bool sameRow = label.top < box.top + box.height && box.top < label.top + label.height;
        if (label.kind == ControlKind::kLabel && sameRow && label.left + label.width <= box.left)
            return i;
    }
    return std::nullopt;
}

int scaled(int twips, int dpi)
{
    return MulDiv(twips, dpi, window::kTwipsPerInch);
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance) : m_instance(instance) {}

MainWindow::~MainWindow()
{
    if (m_hwnd) {
        // Detach first: no handler may run on a half-destroyed object.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    deleteFonts(m_fonts);
}

bool MainWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing))
        return true;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &MainWindow::windowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QINGHEJIAN), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QINGHEJIAN), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

bool MainWindow::create(int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerClass(m_instance))
        return false;

    HMENU menu = LoadMenuW(m_instance, MAKEINTRESOURCEW(IDR_MAINMENU));
    const std::wstring caption = toWide(Form1.caption);
    // Placed and sized in WM_CREATE, once the window's dpi is known.
    HWND hwnd = CreateWindowExW(kWindowExStyle, kClassName, caption.c_str(), kWindowStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                nullptr, menu, m_instance, this);
    if (!hwnd) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return true;
}

int MainWindow::run()
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

void MainWindow::processMessage(MSG& msg)
{
    // No button is the default, so Enter presses nothing: not in a text box
    // and not on a button either, which the dialog manager would click once
    // Tab had brought the focus there. Space still presses a focused button.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_RETURN &&
        m_hwnd && (msg.hwnd == m_hwnd || IsChild(m_hwnd, msg.hwnd)))
        return;
    // The dialog manager turns Esc into IDCANCEL, which no control and no
    // menu item carries: it presses nothing.
    if (m_hwnd && IsDialogMessageW(m_hwnd, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

HWND MainWindow::control(std::string_view name) const
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (Form1.controls[i].name == name)
            return m_controls[i];
    }
    return nullptr;
}

void MainWindow::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                        std::optional<std::u16string_view> title)
{
    const std::wstring text = toWide(prompt);
    const std::wstring caption = toWide(runtime::effectiveTitle(title));
    UINT type = MB_OK;
    if (style == runtime::MsgBoxStyle::kExclamation)
        type |= MB_ICONEXCLAMATION;
    MessageBoxW(m_hwnd, text.c_str(), caption.c_str(), type);
}

void MainWindow::end()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd); // WM_DESTROY posts the quit message
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
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

bool MainWindow::onCreate()
{
    m_dpi = dpiForWindow(m_hwnd);
    m_fonts = createFonts(m_dpi);
    createControls();
    for (HWND child : m_controls) {
        if (!child)
            return false;
    }
    m_text1.attach(control("Text1"));
    m_text2.attach(control("Text2"));
    m_clipboard.setOwner(m_hwnd);
    m_lastFocus = control(window::tabOrder().front());
    sizeAndCentre();
    return true;
}

void MainWindow::createControls()
{
    // Children are created in tab order, which makes it their z-order, the
    // order the dialog manager walks for Tab. Each text box's label comes
    // just before it: labels take no focus, and Windows names an edit
    // control for screen readers after the label before it in z-order.
    std::array<std::size_t, kControlCount> order{};
    std::array<bool, kControlCount> placed{};
    std::size_t count = 0;
    const auto place = [&](std::size_t i) {
        if (!placed[i]) {
            placed[i] = true;
            order[count++] = i;
        }
    };
    for (std::string_view name : window::tabOrder()) {
        const std::size_t i = indexOf(name);
        if (Form1.controls[i].kind == ControlKind::kTextBox) {
            if (const std::optional<std::size_t> label = labelOf(Form1.controls[i]))
                place(*label);
        }
        place(i);
    }
    for (std::size_t i = 0; i < kControlCount; ++i)
        place(i);

    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t i = order[n];
        const ControlSpec& entry = Form1.controls[i];
        const ControlClass cls = controlClass(entry.kind);
        const std::wstring text = toWide(entry.text);
        const auto id = static_cast<INT_PTR>(kFirstControlId) + static_cast<INT_PTR>(i);
        HWND child = CreateWindowExW(cls.exStyle, cls.className, text.c_str(),
                                     WS_CHILD | WS_VISIBLE | cls.style,
                                     scaled(entry.left, m_dpi), scaled(entry.top, m_dpi),
                                     scaled(entry.width, m_dpi), scaled(entry.height, m_dpi), m_hwnd,
                                     reinterpret_cast<HMENU>(id), m_instance, nullptr);
        if (!child)
            continue;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[i]), FALSE);
        if (entry.kind == ControlKind::kTextBox)
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
        m_controls[i] = child;
    }
}

MainWindow::Fonts MainWindow::createFonts(int dpi)
{
    Fonts fonts{};
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const FontSpec& font = Form1.controls[i].font;
        for (std::size_t j = 0; j < i; ++j) {
            if (sameFont(Form1.controls[j].font, font)) {
                fonts[i] = fonts[j];
                break;
            }
        }
        if (fonts[i])
            continue;
        LOGFONTW lf{};
        lf.lfHeight = fontHeight(font.tenthsOfPoint, dpi);
        lf.lfWeight = font.weight;
        lf.lfCharSet = static_cast<BYTE>(font.charset);
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::wstring family = toWide(font.family);
        lstrcpynW(lf.lfFaceName, family.c_str(), LF_FACESIZE);
        fonts[i] = CreateFontIndirectW(&lf);
    }
    return fonts;
}

void MainWindow::deleteFonts(Fonts& fonts)
{
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (!fonts[i])
            continue;
        HFONT font = fonts[i];
        for (std::size_t j = i; j < fonts.size(); ++j) {
            if (fonts[j] == font)
                fonts[j] = nullptr;
        }
        DeleteObject(font);
    }
}

void MainWindow::placeControls()
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& entry = Form1.controls[i];
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[i]), FALSE);
        SetWindowPos(m_controls[i], nullptr, scaled(entry.left, m_dpi), scaled(entry.top, m_dpi),
                     scaled(entry.width, m_dpi), scaled(entry.height, m_dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void MainWindow::sizeAndCentre()
{
    const int clientWidth = scaled(Form1.clientWidth, m_dpi);
    const int clientHeight = scaled(Form1.clientHeight, m_dpi);
    RECT frame = windowRectForClient({0, 0, clientWidth, clientHeight}, kWindowStyle, true,
                                     kWindowExStyle, m_dpi);
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

std::optional<window::Command> MainWindow::commandFor(int id, bool fromMenu) const
{
    if (fromMenu) {
        for (std::size_t i = 0; i < std::size(kMenuIds); ++i) {
            if (kMenuIds[i] == id)
                return Form1.menu.items[i].command;
        }
        return std::nullopt;
    }
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kControlCount))
        return std::nullopt;
    const ControlSpec& entry = Form1.controls[static_cast<std::size_t>(index)];
    if (entry.kind != ControlKind::kButton)
        return std::nullopt;
    return entry.command;
}

void MainWindow::onCommand(int id, int notification, HWND from)
{
    // A menu item sends notification 0 and no control handle; a button
    // BN_CLICKED with its handle. IDOK and IDCANCEL match nothing.
    const bool fromMenu = from == nullptr && notification == 0;
    const bool clicked = from != nullptr && notification == BN_CLICKED;
    if (!fromMenu && !clicked)
        return;
    if (const std::optional<window::Command> command = commandFor(id, fromMenu))
        window::click(*command, *this);
}

void MainWindow::onActivate(bool active)
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

void MainWindow::onDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    Fonts old = m_fonts;
    m_fonts = createFonts(m_dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placeControls();
    deleteFonts(old); // no control uses them any more
}

void MainWindow::onDestroy()
{
    PostQuitMessage(0);
}

} // namespace qhj::app::win32
