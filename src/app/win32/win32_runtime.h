// The runtime services the shared commands of Form1 use, on Win32: message
// boxes owned by the window, the two EDIT-based text boxes, the clipboard,
// and the end of the program.
#pragma once

#include "app/win32/edit_text_box.h"
#include "app/win32/win32_api.h"
#include "app/win32/win32_clipboard.h"
#include "runtime/runtime.h"

#include <optional>
#include <string_view>

namespace qhj::app::win32 {

class Win32Runtime final : public runtime::Runtime {
public:
    // Binds the services to the window and its two text boxes.
    void attach(HWND window, HWND text1, HWND text2);

    // MessageBoxW with MB_OK, and the exclamation icon for style 48.
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                std::optional<std::u16string_view> title = std::nullopt) override;
    runtime::TextBox& text1() override { return m_text1; }
    runtime::TextBox& text2() override { return m_text2; }
    runtime::Clipboard& clipboard() override { return m_clipboard; }
    // Destroys the window; the message loop then ends and so does the program.
    void end() override;

private:
    HWND m_window = nullptr;
    EditTextBox m_text1;
    EditTextBox m_text2;
    Win32Clipboard m_clipboard;
};

} // namespace qhj::app::win32
