#include "app/win32/win32_clipboard.h"

namespace qhj::app::win32 {
namespace {

// Closes the clipboard on every path out of a call.
class OpenedClipboard {
public:
    OpenedClipboard() = default;
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() { CloseClipboard(); }
};

} // namespace

bool Win32Clipboard::open()
{
    for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
        if (OpenClipboard(m_owner))
            return true;
        if (attempt < kOpenAttempts)
            Sleep(kRetryDelayMs);
    }
    return false;
}

runtime::ClipboardResult Win32Clipboard::clear()
{
    if (!open())
        return runtime::ClipboardResult::kHeld;
    const OpenedClipboard opened;
    return EmptyClipboard() ? runtime::ClipboardResult::kDone : runtime::ClipboardResult::kHeld;
}

runtime::ClipboardResult Win32Clipboard::setText(std::u16string_view text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = m_allocate(GMEM_MOVEABLE, bytes);
    if (!memory)
        return runtime::ClipboardResult::kNoMemory;
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    if (!target) {
        GlobalFree(memory);
        return runtime::ClipboardResult::kNoMemory;
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        target[i] = static_cast<wchar_t>(text[i]);
    target[text.size()] = L'\0';
    GlobalUnlock(memory);

    if (!open()) {
        GlobalFree(memory);
        return runtime::ClipboardResult::kHeld;
    }
    const OpenedClipboard opened;
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory); // still ours: the system took nothing
        return runtime::ClipboardResult::kHeld;
    }
    return runtime::ClipboardResult::kDone; // the system owns `memory` now
}

} // namespace qhj::app::win32
