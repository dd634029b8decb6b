#include "app/win32/edit_text_box.h"

#include <algorithm>

namespace qhj::app::win32 {

std::u16string EditTextBox::text() const
{
    const int length = GetWindowTextLengthW(m_edit);
    if (length <= 0)
        return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(m_edit, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return fromWide(buffer);
}

void EditTextBox::setText(std::u16string_view text)
{
    const std::wstring wide = toWide(text);
    SetWindowTextW(m_edit, wide.c_str());
}

std::pair<std::size_t, std::size_t> EditTextBox::selection() const
{
    // The DWORD out-parameters hold positions beyond 65535, which the
    // packed return value cannot.
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(m_edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void EditTextBox::select(runtime::Selection selection)
{
    const std::size_t end = selection.start + selection.length;
    SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(selection.start), static_cast<LPARAM>(end));
}

std::size_t EditTextBox::length() const
{
    return static_cast<std::size_t>(std::max(GetWindowTextLengthW(m_edit), 0));
}

void EditTextBox::setSelStart(std::size_t start)
{
    select(runtime::selStartTo(start, length()));
}

void EditTextBox::setSelLength(std::size_t length)
{
    select(runtime::selLengthTo(selection().first, length, this->length()));
}

std::u16string EditTextBox::selText() const
{
    const std::u16string all = text();
    const auto [start, end] = selection();
    return std::u16string(runtime::selectedText(all, {start, end >= start ? end - start : 0}));
}

} // namespace qhj::app::win32
