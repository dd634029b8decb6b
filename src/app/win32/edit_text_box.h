// A TextBox over a Win32 EDIT control: Text is the window text, SelStart and
// SelLength go through EM_GETSEL/EM_SETSEL. Positions count UTF-16 code
// units, which is what an EDIT control counts in a UNICODE program.
#pragma once

#include "app/win32/win32_api.h"
#include "runtime/runtime.h"
#include "runtime/text_selection.h"

#include <utility>

namespace qhj::app::win32 {

class EditTextBox final : public runtime::TextBox {
public:
    EditTextBox() = default;
    explicit EditTextBox(HWND edit) : m_edit(edit) { }

    void attach(HWND edit) { m_edit = edit; }
    HWND hwnd() const { return m_edit; }

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    // Moves the caret to `start` (clamped to the text) and selects nothing.
    void setSelStart(std::size_t start) override;
    // Selects `length` units from the current selection start, clamped.
    void setSelLength(std::size_t length) override;
    std::u16string selText() const override;

    // The current selection as [start, end), 0-based.
    std::pair<std::size_t, std::size_t> selection() const;

private:
    std::size_t length() const;
    void select(runtime::Selection selection);

    HWND m_edit = nullptr;
};

} // namespace qhj::app::win32
