#include "app/win32/win32_runtime.h"

namespace qhj::app::win32 {

void Win32Runtime::attach(HWND window, HWND text1, HWND text2)
{
    m_window = window;
    m_text1.attach(text1);
    m_text2.attach(text2);
    m_clipboard.setOwner(window);
}

void Win32Runtime::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                          std::optional<std::u16string_view> title)
{
    const std::wstring text = toWide(prompt);
    const std::wstring caption = toWide(runtime::effectiveTitle(title));
    UINT type = MB_OK;
    if (style == runtime::MsgBoxStyle::kExclamation)
        type |= MB_ICONEXCLAMATION;
    MessageBoxW(m_window, text.c_str(), caption.c_str(), type);
}

void Win32Runtime::end()
{
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window); // WM_DESTROY posts the quit message
}

} // namespace qhj::app::win32
