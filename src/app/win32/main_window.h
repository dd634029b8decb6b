// Form1 as a Win32 window: the runtime seam the shared commands run against.
// The window is built from qhj::window::Form1 (controls, fonts, tab order)
// and the menu bar from the resource script; clicks go to
// qhj::window::click, so this program behaves like the Qt one.
#pragma once

#include "runtime/runtime.h"
#include "app/win32/edit_text_box.h"
#include "app/win32/win32_api.h"
#include "app/win32/win32_clipboard.h"
#include "window/form1.h"

#include <array>
#include <optional>
#include <string_view>

namespace qhj::app::win32 {

// Control identifiers: kFirstControlId + the control's index in
// Form1.controls. Far from 1 and 2, which the dialog manager sends for
// Enter and Esc (IDOK, IDCANCEL).
inline constexpr int kFirstControlId = 1001;

class MainWindow final : public runtime::Runtime {
public:
    static constexpr const wchar_t* kClassName = L"QingHeJian.Form1";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates Form1 centred on the screen and shows it with `showCommand`.
    // False when the window could not be made.
    bool create(int showCommand);

    // Runs the message loop until the program ends; returns the exit code.
    int run();
    // What the loop does with one message: Tab and Shift+Tab walk the
    // controls in tab order, Enter presses nothing, the rest is translated
    // and dispatched.
    void processMessage(MSG& msg);

    HWND hwnd() const { return m_hwnd; }
    HWND control(std::string_view name) const;
    int dpi() const { return m_dpi; }

    // Runtime
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                std::optional<std::u16string_view> title = std::nullopt) override;
    runtime::TextBox& text1() override { return m_text1; }
    runtime::TextBox& text2() override { return m_text2; }
    runtime::Clipboard& clipboard() override { return m_clipboard; }
    // Closes the window; the message loop then ends and so does the program.
    void end() override;

private:
    static constexpr std::size_t kControlCount = window::Form1.controls.size();

    static bool registerClass(HINSTANCE instance);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Named handlers, one per message the window reacts to.
    bool onCreate();
    void onCommand(int id, int notification, HWND from);
    void onActivate(bool active);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onDestroy();

    void createControls();
    // The font of each control at `dpi`; controls with the same FontSpec
    // share one.
    using Fonts = std::array<HFONT, window::Form1.controls.size()>;
    static Fonts createFonts(int dpi);
    static void deleteFonts(Fonts& fonts);
    void placeControls();
    void sizeAndCentre();
    std::optional<window::Command> commandFor(int id, bool fromMenu) const;

    HINSTANCE m_instance;
    HWND m_hwnd = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::array<HWND, kControlCount> m_controls{};
    Fonts m_fonts{};
    HWND m_lastFocus = nullptr;
    EditTextBox m_text1;
    EditTextBox m_text2;
    Win32Clipboard m_clipboard;
};

} // namespace qhj::app::win32
