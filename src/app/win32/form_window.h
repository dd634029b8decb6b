// Form1 as a Win32 window: the window class and procedure, the controls,
// fonts, menu bar and layout built from qhj::window::Form1, and the message
// loop. Clicks go to qhj::window::click with the Win32Runtime, so this
// program behaves like the Qt one.
#pragma once

#include "app/win32/control_fonts.h"
#include "app/win32/form_parts.h"
#include "app/win32/win32_api.h"
#include "app/win32/win32_runtime.h"
#include "window/form1.h"

#include <array>
#include <optional>
#include <string_view>

namespace qhj::app::win32 {

class FormWindow final {
public:
    static constexpr const wchar_t* kClassName = L"QingHeJian.Form1";

    explicit FormWindow(HINSTANCE instance);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

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
    Win32Runtime& runtime() { return m_runtime; }

private:
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
    void placeControls();
    void sizeAndCentre();

    HINSTANCE m_instance;
    HWND m_hwnd = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::array<HWND, window::kControlCount> m_controls{};
    ControlFonts m_fonts;
    HWND m_lastFocus = nullptr;
    Win32Runtime m_runtime;
};

} // namespace qhj::app::win32
