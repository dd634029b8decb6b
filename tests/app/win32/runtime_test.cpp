// The Win32 window and runtime, tested in-process under Wine: the window
// built from Form1, its fonts, menu and tab order, the EDIT-based text
// boxes, message boxes, the clipboard and the end of the program. Each case
// makes its own window. Prints one line per case and closes with
// "N passed, N failed"; the exit code is the number of failed cases.
#include "app/win32/dpi.h"
#include "app/win32/edit_text_box.h"
#include "app/win32/form_window.h"
#include "app/win32/win32_api.h"
#include "cli/utf8.h"
#include "window/form1.h"

#include "support/expected_notices.h"
#include "support/shown_box.h"
#include "support/win32_clipboard_text.h"
#include "support/window_cases.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using qhj::runtime::MsgBoxStyle;
using qhj::app::win32::EditTextBox;
using qhj::app::win32::fromWide;
using qhj::app::win32::FormWindow;
using qhj::app::win32::toWide;
using qhj::window::ControlKind;
using qhj::window::ControlSpec;
using qhj::window::Form1;

// ---------------------------------------------------------------- checks

// Checks made and failed in the running case; a case that makes none fails.
int g_caseChecks = 0;
int g_caseFailures = 0;

std::string utf8(std::u16string_view text)
{
    std::string out;
    qhj::cli::appendUtf8(text, out);
    return out;
}

std::string utf8(std::wstring_view text)
{
    return utf8(std::u16string_view(fromWide(text)));
}

void fail(const char* file, int line, const std::string& what)
{
    ++g_caseFailures;
    std::printf("  %s:%d: %s\n", file, line, what.c_str());
}

#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        ++g_caseChecks;                                                                                      \
        if (!(cond))                                                                                         \
            fail(__FILE__, __LINE__, "expected " #cond);                                                     \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                           \
    do {                                                                                                     \
        ++g_caseChecks;                                                                                      \
        const auto& a_ = (actual);                                                                           \
        const auto& e_ = (expected);                                                                         \
        if (!(a_ == e_))                                                                                     \
            fail(__FILE__, __LINE__,                                                                         \
                 std::string(#actual " == " #expected ": got ") + show(a_) + ", expected " + show(e_));      \
    } while (0)

template <typename Number>
requires std::is_arithmetic_v<Number> std::string show(Number value)
{
    return std::to_string(value);
}
std::string show(const std::u16string& value)
{
    return "\"" + utf8(value) + "\"";
}
std::string show(const std::wstring& value)
{
    return "\"" + utf8(std::wstring_view(value)) + "\"";
}
std::string show(const void* value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%p", value);
    return buffer;
}
std::string show(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ","
        + std::to_string(r.bottom) + ")";
}
bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// ------------------------------------------------------- message boxes

using qhj::testing::ShownBox;

std::string show(const std::vector<ShownBox>& boxes)
{
    std::string out = "[";
    for (const ShownBox& box : boxes) {
        out += "{" + utf8(box.title) + ": " + utf8(box.prompt) + (box.exclamation ? ", exclamation" : "")
            + ", " + std::to_string(box.buttons) + " button(s)} ";
    }
    return out + "]";
}

// Reads every message box as it opens and presses its OK button, as the
// user would. Installed for the current thread.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        s_current = this;
        m_hook = SetWindowsHookExW(WH_CBT, &BoxAnswerer::hook, nullptr, GetCurrentThreadId());
    }
    ~BoxAnswerer()
    {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<ShownBox> boxes;

private:
    static std::wstring windowText(HWND hwnd)
    {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    static BOOL CALLBACK readChild(HWND child, LPARAM param)
    {
        auto* box = reinterpret_cast<ShownBox*>(param);
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (lstrcmpiW(cls, L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if ((style & WS_VISIBLE) && SendMessageW(child, STM_GETICON, 0, 0) != 0)
                    box->exclamation = true;
            } else {
                const std::wstring text = windowText(child);
                if (!text.empty())
                    box->prompt = fromWide(text);
            }
        } else if (lstrcmpiW(cls, L"Button") == 0 && (style & WS_VISIBLE)) {
            ++box->buttons;
        }
        return TRUE;
    }

    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && s_current) {
            auto* hwnd = reinterpret_cast<HWND>(wParam);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (lstrcmpW(cls, L"#32770") == 0) {
                ShownBox box;
                box.title = fromWide(windowText(hwnd));
                box.buttons = 0; // counted below
                EnumChildWindows(hwnd, &BoxAnswerer::readChild, reinterpret_cast<LPARAM>(&box));
                s_current->boxes.push_back(box);
                PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline BoxAnswerer* s_current = nullptr;
    HHOOK m_hook = nullptr;
};

const ShownBox kFailureBox = qhj::testing::shownBox(qhj::testing::kFailureNotice);
const ShownBox kBusyBox = qhj::testing::shownBox(qhj::testing::kClipboardBusyNotice);
const ShownBox kNoMemoryBox = qhj::testing::shownBox(qhj::testing::kNoMemoryNotice);

// ------------------------------------------------------------ helpers

bool g_quitSeen = false;

// Handles what is queued, as the program's loop would, for `ms` at least.
void pump(FormWindow& window, DWORD ms = 50)
{
    const ULONGLONG until = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                g_quitSeen = true;
                continue;
            }
            window.processMessage(msg);
        }
        if (GetTickCount64() >= until)
            return;
        Sleep(5);
    }
}

struct Window {
    Window()
    {
        g_quitSeen = false;
        created = form.create(SW_SHOWNORMAL);
        pump(form, 200);
    }
    HWND control(std::string_view name) const { return form.control(name); }
    EditTextBox box(std::string_view name) const { return EditTextBox(control(name)); }
    void click(std::string_view name)
    {
        SendMessageW(control(name), BM_CLICK, 0, 0);
        pump(form);
    }
    // Sends what choosing the menu item called `name` sends.
    void menu(std::string_view name)
    {
        for (std::size_t i = 0; i < Form1.menu.items.size(); ++i) {
            if (Form1.menu.items[i].name == name) {
                const int id = qhj::app::win32::kFirstMenuId + static_cast<int>(i);
                SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
            }
        }
        pump(form);
    }
    void key(HWND target, WPARAM vk)
    {
        PostMessageW(target, WM_KEYDOWN, vk, 1);
        PostMessageW(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
        pump(form);
    }

    FormWindow form{GetModuleHandleW(nullptr)};
    bool created = false;
};

std::optional<std::wstring> clipboardText()
{
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
        Sleep(25);
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = std::wstring(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

RECT rectInParent(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT entryRect(const ControlSpec& entry, int dpi)
{
    const qhj::window::PixelRect r = qhj::window::pixelRect(entry, dpi);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW lf{};
    auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

std::wstring className(HWND hwnd)
{
    wchar_t buffer[64] = {};
    GetClassNameW(hwnd, buffer, 64);
    return buffer;
}

const wchar_t* expectedClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::kButton:
        return L"Button";
    case ControlKind::kTextBox:
        return L"Edit";
    case ControlKind::kLabel:
        return L"Static";
    }
    return L"";
}

void checkLayout(const Window& w, int dpi)
{
    RECT client{};
    GetClientRect(w.form.hwnd(), &client);
    CHECK_EQ(client.right, MulDiv(Form1.clientWidth, dpi, 1440));
    CHECK_EQ(client.bottom, MulDiv(Form1.clientHeight, dpi, 1440));
    for (const ControlSpec& entry : Form1.controls) {
        HWND control = w.control(entry.name);
        CHECK(control != nullptr);
        CHECK_EQ(rectInParent(control), entryRect(entry, dpi));
        const LOGFONTW lf = fontOf(control);
        CHECK_EQ(std::wstring(lf.lfFaceName), toWide(entry.font.family));
        CHECK_EQ(static_cast<long long>(lf.lfHeight),
                 static_cast<long long>(-MulDiv(entry.font.tenthsOfPoint, dpi, 720)));
        CHECK_EQ(static_cast<int>(lf.lfCharSet), 134);
        CHECK_EQ(static_cast<long long>(lf.lfWeight), 400LL);
        CHECK(!lf.lfItalic && !lf.lfUnderline && !lf.lfStrikeOut);
    }
}

// -------------------------------------------------------------- cases

void windowIsForm1()
{
    Window w;
    CHECK(w.created);
    HWND hwnd = w.form.hwnd();
    CHECK_EQ(className(hwnd), std::wstring(FormWindow::kClassName));
    std::wstring caption(128, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, caption.data(), 128)));
    CHECK_EQ(caption, toWide(Form1.caption));
    CHECK_EQ(caption.size(), std::wstring(L"青禾笺").size() + 26 + std::wstring(L"BY:墨桐青岚").size());

    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & WS_THICKFRAME) == 0); // fixed single: no sizing frame
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK(IsWindowVisible(hwnd));
    CHECK(GetClassLongPtrW(hwnd, GCLP_HICON) != 0);
    CHECK(GetClassLongPtrW(hwnd, GCLP_HICONSM) != 0);

    // The client area of Form1 at the window's dpi, below the menu bar.
    const int dpi = w.form.dpi();
    CHECK_EQ(dpi, qhj::app::win32::dpiForWindow(hwnd));
    checkLayout(w, dpi);

    // Centred on the work area of the primary monitor.
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    CHECK(std::abs((frame.left + frame.right) - (area.left + area.right)) <= 1);
    CHECK(std::abs((frame.top + frame.bottom) - (area.top + area.bottom)) <= 1);
}

void controlsAreFromForm1()
{
    Window w;
    for (std::size_t i = 0; i < Form1.controls.size(); ++i) {
        const ControlSpec& entry = Form1.controls[i];
        HWND control = w.control(entry.name);
        CHECK_EQ(className(control), std::wstring(expectedClass(entry.kind)));
        CHECK_EQ(EditTextBox(control).text(), std::u16string(entry.text));
        const int id = GetDlgCtrlID(control);
        CHECK_EQ(id, qhj::app::win32::kFirstControlId + static_cast<int>(i));
        CHECK(id != IDOK && id != IDCANCEL);
        CHECK(entry.text.find(u'&') == std::u16string_view::npos); // no access keys
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        switch (entry.kind) {
        case ControlKind::kButton:
            CHECK((style & BS_TYPEMASK) == BS_PUSHBUTTON); // never BS_DEFPUSHBUTTON
            CHECK((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) == 0);
            CHECK((style & WS_TABSTOP) != 0);
            break;
        case ControlKind::kTextBox:
            CHECK((style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD)) == 0);
            CHECK((style & ES_AUTOHSCROLL) != 0);
            CHECK((style & WS_TABSTOP) != 0);
            // EM_SETLIMITTEXT 0 lifts the limit to the system's largest.
            CHECK_EQ(static_cast<unsigned long long>(SendMessageW(control, EM_GETLIMITTEXT, 0, 0)),
                     0x7FFFFFFEULL);
            break;
        case ControlKind::kLabel:
            CHECK((style & SS_NOPREFIX) != 0);
            CHECK((style & WS_TABSTOP) == 0);
            break;
        }
    }
    // Each text box follows its label in z-order, which is where screen
    // readers take an edit control's name from.
    CHECK_EQ(static_cast<const void*>(GetWindow(w.control("Text1"), GW_HWNDPREV)),
             static_cast<const void*>(w.control("Label2")));
    CHECK_EQ(static_cast<const void*>(GetWindow(w.control("Text2"), GW_HWNDPREV)),
             static_cast<const void*>(w.control("Label3")));
    // The dialog manager finds no default button either.
    CHECK_EQ(static_cast<unsigned long long>(HIWORD(SendMessageW(w.form.hwnd(), DM_GETDEFID, 0, 0))), 0ULL);
}

void menuBarIsForm1Menu()
{
    Window w;
    HMENU bar = GetMenu(w.form.hwnd());
    CHECK(bar != nullptr);
    CHECK_EQ(GetMenuItemCount(bar), 1);
    wchar_t text[64] = {};
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    CHECK_EQ(std::wstring(text), toWide(Form1.menu.caption));
    HMENU help = GetSubMenu(bar, 0);
    CHECK(help != nullptr);
    CHECK_EQ(GetMenuItemCount(help), static_cast<int>(Form1.menu.items.size()));
    for (int i = 0; i < GetMenuItemCount(help); ++i) {
        GetMenuStringW(help, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        // No access key ("&") and no shortcut ("\t...") in any caption.
        CHECK_EQ(std::wstring(text), toWide(Form1.menu.items[static_cast<std::size_t>(i)].caption));
        CHECK_EQ(static_cast<int>(GetMenuItemID(help, i)), qhj::app::win32::kFirstMenuId + i);
    }
}

void focusStartsOnCommand2AndTabWalksTheTabOrder()
{
    Window w;
    CHECK_EQ(static_cast<const void*>(GetFocus()), static_cast<const void*>(w.control("Command2")));

    // The z-order the dialog manager walks.
    const char* order[] = {"Command2", "Text2", "Text1", "Command1", "Command2"};
    for (int i = 0; i < 4; ++i) {
        HWND next = GetNextDlgTabItem(w.form.hwnd(), w.control(order[i]), FALSE);
        CHECK_EQ(static_cast<const void*>(next), static_cast<const void*>(w.control(order[i + 1])));
    }
    // Real Tab key presses through the program's message handling, with the wrap.
    SetFocus(w.control("Command2"));
    for (int i = 1; i <= 4; ++i) {
        w.key(GetFocus(), VK_TAB);
        CHECK_EQ(static_cast<const void*>(GetFocus()), static_cast<const void*>(w.control(order[i])));
    }
    // With the focus back in a text box no button looks or acts as the
    // default, although the dialog manager marks a button it tabs onto.
    w.key(GetFocus(), VK_TAB); // Command2 -> Text2
    CHECK_EQ(static_cast<const void*>(GetFocus()), static_cast<const void*>(w.control("Text2")));
    for (const char* button : {"Command1", "Command2"}) {
        const LONG_PTR style = GetWindowLongPtrW(w.control(button), GWL_STYLE);
        CHECK((style & BS_TYPEMASK) != BS_DEFPUSHBUTTON);
    }
    SetFocus(w.control("Command2"));
    // Shift+Tab goes back.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    w.key(GetFocus(), VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    CHECK_EQ(static_cast<const void*>(GetFocus()), static_cast<const void*>(w.control("Command1")));
}

void focusComesBackAfterAnotherWindowHadIt()
{
    Window w;
    SetFocus(w.control("Text1"));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    pump(w.form);
    DestroyWindow(other);
    SetActiveWindow(w.form.hwnd());
    pump(w.form);
    CHECK_EQ(static_cast<const void*>(GetFocus()), static_cast<const void*>(w.control("Text1")));
}

void enterPressesOnlyAFocusedButton()
{
    Window w;
    BoxAnswerer answerer;
    EditTextBox text1 = w.box("Text1");
    EditTextBox text2 = w.box("Text2");
    text1.setText(u"12a"); // would show the failure notice if converted
    text2.setText(u"before");
    for (const char* name : {"Text1", "Text2"}) {
        SetFocus(w.control(name));
        w.key(w.control(name), VK_RETURN);
        w.key(w.control(name), VK_ESCAPE);
    }
    CHECK(answerer.boxes.empty());
    CHECK_EQ(text2.text(), std::u16string(u"before"));
    // Enter on a focused button presses it: Command1 converts, Command2
    // copies. Then, in Text2, after a button had the focus and the dialog
    // manager may have made it the default, Enter again presses nothing.
    text1.setText(u"7");
    SetFocus(w.control("Text1"));
    w.key(GetFocus(), VK_TAB); // to Command1
    w.key(GetFocus(), VK_RETURN);
    CHECK_EQ(text2.text(), std::u16string(u"柒圆整"));
    w.key(GetFocus(), VK_TAB); // to Command2
    w.key(GetFocus(), VK_RETURN);
    CHECK(clipboardText() == std::optional<std::wstring>(L"柒圆整"));
    putOnClipboard(L"sentinel");
    text1.setText(u"12a");
    w.key(GetFocus(), VK_TAB); // to Text2
    w.key(GetFocus(), VK_RETURN);
    CHECK(clipboardText() == std::optional<std::wstring>(L"sentinel"));
    CHECK(answerer.boxes.empty());
    CHECK_EQ(text2.text(), std::u16string(u"柒圆整"));
    CHECK(IsWindow(w.form.hwnd()));
    CHECK(!g_quitSeen);
}

void textBoxPropertiesGoThroughTheEditControl()
{
    Window w;
    EditTextBox box = w.box("Text2");
    box.setText(u"壹拾贰圆整");
    CHECK_EQ(box.text(), std::u16string(u"壹拾贰圆整"));
    box.setSelStart(1);
    CHECK(box.selection() == std::make_pair(std::size_t{1}, std::size_t{1}));
    box.setSelLength(2);
    CHECK_EQ(box.selText(), std::u16string(u"拾贰"));
    box.setSelStart(0);
    box.setSelLength(100); // clamped to the text
    CHECK_EQ(box.selText(), std::u16string(u"壹拾贰圆整"));
    box.setSelStart(50);
    CHECK(box.selection() == std::make_pair(std::size_t{5}, std::size_t{5}));
    CHECK_EQ(box.selText(), std::u16string(u""));

    // Code units, not characters: a surrogate pair counts two.
    box.setText(u"a😀b");
    CHECK_EQ(box.text().size(), 4ULL);
    box.setSelStart(1);
    box.setSelLength(2);
    CHECK_EQ(box.selText(), std::u16string(u"😀"));

    box.setText(u"");
    CHECK_EQ(box.text(), std::u16string(u""));
}

void pasteHasNoLengthLimit()
{
    Window w;
    BoxAnswerer answerer;
    // Past the EDIT control's default limit of 30,000 characters. Not a
    // million as on Linux: Wine's EDIT control lays out a long single line
    // in quadratic time (100,000 characters take 4 to 5 s a paste here).
    const std::wstring digits(40000, L'7');
    putOnClipboard(digits);
    for (const char* name : {"Text1", "Text2"}) {
        EditTextBox box = w.box(name);
        box.setText(u"");
        SendMessageW(w.control(name), WM_PASTE, 0, 0);
        CHECK_EQ(box.text().size(), 40000ULL);
    }
    w.box("Text2").setText(u"result");
    w.click("Command1"); // thirteen digits or more: the failure notice
    CHECK_EQ(answerer.boxes, std::vector<ShownBox>{kFailureBox});
    CHECK_EQ(w.box("Text2").text(), std::u16string(u""));
}

void generateWritesTheCapitalsIntoText2()
{
    Window w;
    BoxAnswerer answerer;
    w.click("Command1");
    CHECK_EQ(w.box("Text2").text(), std::u16string(u"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"));
    CHECK_EQ(w.box("Text1").text(), std::u16string(u"123456.78"));
    CHECK(answerer.boxes.empty());
}

void noticesShowTheirPromptTitleAndIcon()
{
    Window w;
    BoxAnswerer answerer;
    EditTextBox text1 = w.box("Text1");
    EditTextBox text2 = w.box("Text2");

    // Every case of the window's table, over an earlier result that a
    // failure must not leave standing.
    const std::vector<qhj::testing::WindowCase> cases = qhj::testing::windowCases();
    CHECK(!cases.empty());
    for (const qhj::testing::WindowCase& c : cases) {
        answerer.boxes.clear();
        text1.setText(c.input);
        text2.setText(u"earlier");
        w.click("Command1");
        CHECK_EQ(answerer.boxes, c.notices);
        CHECK_EQ(text2.text(), c.result);
    }

    answerer.boxes.clear();
    w.form.runtime().msgBox(u"plain", MsgBoxStyle::kOkOnly);
    w.form.runtime().msgBox(u"titled", MsgBoxStyle::kExclamation, u"标题");
    CHECK_EQ(answerer.boxes,
             (std::vector<ShownBox>{{u"plain", u"青禾笺", false, 1}, {u"titled", u"标题", true, 1}}));
}

void helpMenuShowsTheNoteAndTheAuthor()
{
    Window w;
    BoxAnswerer answerer;
    w.menu("note");
    w.menu("copyr");
    CHECK_EQ(answerer.boxes,
             (std::vector<ShownBox>{qhj::testing::shownBox(qhj::testing::kUsageNoteNotice),
                                    qhj::testing::shownBox(qhj::testing::kAuthorNoticeNotice)}));
    CHECK(IsWindow(w.form.hwnd()));
}

void copyPutsTheWholeResultOnTheClipboard()
{
    Window w;
    BoxAnswerer answerer;
    EditTextBox text2 = w.box("Text2");

    putOnClipboard(L"sentinel");
    w.click("Command2"); // before any generate: the empty text
    CHECK(clipboardText() == std::optional<std::wstring>(L""));

    w.click("Command1");
    text2.setSelStart(3);
    w.click("Command2");
    CHECK(clipboardText() == std::optional<std::wstring>(L"壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"));
    CHECK(text2.selection() == std::make_pair(std::size_t{0}, text2.text().size()));

    text2.setText(u"手改 a😀b"); // edited by hand
    w.click("Command2");
    CHECK(clipboardText() == std::optional<std::wstring>(L"手改 a😀b"));
    CHECK(answerer.boxes.empty());
}

struct Holder {
    HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD releaseAfterMs = INFINITE;
};

DWORD WINAPI holdClipboard(void* param)
{
    auto* holder = static_cast<Holder*>(param);
    OpenClipboard(nullptr);
    SetEvent(holder->held);
    WaitForSingleObject(holder->release, holder->releaseAfterMs);
    CloseClipboard();
    return 0;
}

void heldClipboardGivesANoticeAndTheProgramRunsOn()
{
    Window w;
    BoxAnswerer answerer;
    EditTextBox text2 = w.box("Text2");
    text2.setText(u"伍角整");
    putOnClipboard(L"before");

    Holder holder;
    HANDLE thread = CreateThread(nullptr, 0, holdClipboard, &holder, 0, nullptr);
    WaitForSingleObject(holder.held, 5000);
    const ULONGLONG start = GetTickCount64();
    w.click("Command2");
    const ULONGLONG took = GetTickCount64() - start;
    SetEvent(holder.release);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);

    CHECK_EQ(answerer.boxes, std::vector<ShownBox>{kBusyBox});
    CHECK_EQ(text2.text(), std::u16string(u"伍角整"));
    CHECK(IsWindow(w.form.hwnd()));
    CHECK(!g_quitSeen);
    // Retried for about half a second, not longer.
    CHECK(took >= 400 && took < 3000);
    CHECK(clipboardText() == std::optional<std::wstring>(L"before"));

    // A clipboard let go while the copy retries is used: no notice.
    answerer.boxes.clear();
    Holder brief;
    brief.releaseAfterMs = 150;
    thread = CreateThread(nullptr, 0, holdClipboard, &brief, 0, nullptr);
    WaitForSingleObject(brief.held, 5000);
    w.click("Command2");
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CHECK(answerer.boxes.empty());
    CHECK(clipboardText() == std::optional<std::wstring>(L"伍角整"));
    for (HANDLE h : {holder.held, holder.release, brief.held, brief.release})
        CloseHandle(h);
}

HGLOBAL WINAPI noMemory(UINT, SIZE_T)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

// Mended: no memory for the text used to say the clipboard was held.
void copyWithoutMemorySaysSo()
{
    Window w;
    BoxAnswerer answerer;
    EditTextBox text2 = w.box("Text2");
    text2.setText(u"伍角整");
    putOnClipboard(L"before");
    static_cast<qhj::app::win32::Win32Clipboard&>(w.form.runtime().clipboard()).setAllocate(&noMemory);
    w.click("Command2");
    CHECK_EQ(answerer.boxes, std::vector<ShownBox>{kNoMemoryBox});
    CHECK_EQ(text2.text(), std::u16string(u"伍角整"));
    // Cleared, as the copy does first, and given nothing.
    CHECK(!clipboardText());
    CHECK(IsWindow(w.form.hwnd()));
}

void layoutFollowsTheDpi()
{
    Window w;
    const int dpi = 144;
    RECT client{0, 0, MulDiv(Form1.clientWidth, dpi, 1440), MulDiv(Form1.clientHeight, dpi, 1440)};
    RECT suggested = qhj::app::win32::windowRectForClient(
        client, static_cast<DWORD>(GetWindowLongPtrW(w.form.hwnd(), GWL_STYLE)), true, 0, dpi);
    OffsetRect(&suggested, 100 - suggested.left, 100 - suggested.top);
    SendMessageW(w.form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump(w.form);
    CHECK_EQ(w.form.dpi(), dpi);
    for (const ControlSpec& entry : Form1.controls) {
        CHECK_EQ(rectInParent(w.control(entry.name)), entryRect(entry, dpi));
        CHECK_EQ(static_cast<long long>(fontOf(w.control(entry.name)).lfHeight),
                 static_cast<long long>(-MulDiv(entry.font.tenthsOfPoint, dpi, 720)));
    }
    // 12 pt at 144 dpi is 24 pixels, 10.5 pt 21.
    CHECK_EQ(static_cast<long long>(fontOf(w.control("Text1")).lfHeight), -24LL);
    CHECK_EQ(static_cast<long long>(fontOf(w.control("Command1")).lfHeight), -21LL);
}

void exitEndsTheProgram()
{
    Window w;
    w.box("Text1").setText(u"9"); // unconverted input does not matter
    w.menu("exit");
    CHECK(w.form.hwnd() == nullptr);
    CHECK(g_quitSeen);
}

void closingTheWindowEndsTheProgram()
{
    Window w;
    HWND hwnd = w.form.hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    pump(w.form);
    CHECK(!IsWindow(hwnd));
    CHECK(g_quitSeen);
}

struct Case {
    const char* name;
    void (*run)();
};

const Case kCases[] = {
    {"WindowIsForm1", windowIsForm1},
    {"ControlsAreFromForm1", controlsAreFromForm1},
    {"MenuBarIsForm1Menu", menuBarIsForm1Menu},
    {"FocusStartsOnCommand2AndTabWalksTheTabOrder", focusStartsOnCommand2AndTabWalksTheTabOrder},
    {"FocusComesBackAfterAnotherWindowHadIt", focusComesBackAfterAnotherWindowHadIt},
    {"EnterPressesOnlyAFocusedButton", enterPressesOnlyAFocusedButton},
    {"TextBoxPropertiesGoThroughTheEditControl", textBoxPropertiesGoThroughTheEditControl},
    {"PasteHasNoLengthLimit", pasteHasNoLengthLimit},
    {"GenerateWritesTheCapitalsIntoText2", generateWritesTheCapitalsIntoText2},
    {"NoticesShowTheirPromptTitleAndIcon", noticesShowTheirPromptTitleAndIcon},
    {"HelpMenuShowsTheNoteAndTheAuthor", helpMenuShowsTheNoteAndTheAuthor},
    {"CopyPutsTheWholeResultOnTheClipboard", copyPutsTheWholeResultOnTheClipboard},
    {"HeldClipboardGivesANoticeAndTheProgramRunsOn", heldClipboardGivesANoticeAndTheProgramRunsOn},
    {"CopyWithoutMemorySaysSo", copyWithoutMemorySaysSo},
    {"LayoutFollowsTheDpi", layoutFollowsTheDpi},
    {"ExitEndsTheProgram", exitEndsTheProgram},
    {"ClosingTheWindowEndsTheProgram", closingTheWindowEndsTheProgram},
};

} // namespace

// Runs every case, or the one named on the command line. Fails when a case
// checked nothing, and when no case ran at all.
int wmain(int argc, wchar_t** argv)
{
    int passed = 0;
    int failed = 0;
    for (const Case& c : kCases) {
        if (argc > 1 && utf8(std::wstring_view(argv[1])) != c.name)
            continue;
        g_caseChecks = 0;
        g_caseFailures = 0;
        std::printf("[ RUN      ] %s\n", c.name);
        std::fflush(stdout);
        c.run();
        if (g_caseChecks == 0)
            fail(__FILE__, __LINE__, "the case checked nothing");
        if (g_caseFailures == 0) {
            ++passed;
            std::printf("[       OK ] %s\n", c.name);
        } else {
            ++failed;
            std::printf("[  FAILED  ] %s\n", c.name);
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    if (passed + failed == 0) {
        std::printf("no case ran\n");
        return 1;
    }
    return failed;
}
