// The system clipboard through OpenClipboard/EmptyClipboard/SetClipboardData.
// Another program may hold the clipboard open for a moment; opening is
// retried briefly, and a clipboard still held after that makes the call
// fail, which the copy command turns into a notice; so does a failure to
// get memory for the text, with a notice of its own.
#pragma once

#include "app/win32/win32_api.h"
#include "runtime/runtime.h"

namespace qhj::app::win32 {

class Win32Clipboard final : public runtime::Clipboard {
public:
    static constexpr int kOpenAttempts = 10;
    static constexpr DWORD kRetryDelayMs = 50;

    // How the memory for the text is had: GlobalAlloc, or what a test puts
    // in its place to see it fail.
    using Allocate = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);

    explicit Win32Clipboard(HWND owner = nullptr) : m_owner(owner) { }
    void setOwner(HWND owner) { m_owner = owner; }
    void setAllocate(Allocate allocate) { m_allocate = allocate; }

    [[nodiscard]] runtime::ClipboardResult clear() override;
    // Empties the clipboard and puts `text` on it as CF_UNICODETEXT, so
    // that it then holds exactly this text.
    [[nodiscard]] runtime::ClipboardResult setText(std::u16string_view text) override;

private:
    bool open();

    HWND m_owner;
    Allocate m_allocate = &GlobalAlloc;
};

} // namespace qhj::app::win32
