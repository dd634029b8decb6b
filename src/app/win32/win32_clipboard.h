// The system clipboard through OpenClipboard/EmptyClipboard/SetClipboardData.
// Another program may hold the clipboard open for a moment; opening is
// retried briefly, and a clipboard still held after that makes the call
// return false, which the copy command turns into a notice.
#pragma once

#include "runtime/runtime.h"
#include "app/win32/win32_api.h"

namespace qhj::app::win32 {

class Win32Clipboard final : public runtime::Clipboard {
public:
    static constexpr int kOpenAttempts = 10;
    static constexpr DWORD kRetryDelayMs = 50;

    explicit Win32Clipboard(HWND owner = nullptr) : m_owner(owner) {}
    void setOwner(HWND owner) { m_owner = owner; }

    [[nodiscard]] bool clear() override;
    // Empties the clipboard and puts `text` on it as CF_UNICODETEXT, so
    // that it then holds exactly this text.
    [[nodiscard]] bool setText(std::u16string_view text) override;

private:
    bool open();

    HWND m_owner;
};

} // namespace qhj::app::win32
