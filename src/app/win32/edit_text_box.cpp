#include "app/win32/edit_text_box.h"

#include <algorithm>

namespace qhj::app::win32 {
namespace {

WPARAM position(std::size_t value)
{
    return static_cast<WPARAM>(value);
}

} // namespace

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

void EditTextBox::setSelStart(std::size_t start)
{
    const std::size_t length = static_cast<std::size_t>(std::max(GetWindowTextLengthW(m_edit), 0));
    const std::size_t at = std::min(start, length);
    SendMessageW(m_edit, EM_SETSEL, position(at), static_cast<LPARAM>(at));
}

void EditTextBox::setSelLength(std::size_t length)
{
    const std::size_t textLength =
        static_cast<std::size_t>(std::max(GetWindowTextLengthW(m_edit), 0));
    const std::size_t start = std::min(selection().first, textLength);
    const std::size_t end = start + std::min(length, textLength - start);
    SendMessageW(m_edit, EM_SETSEL, position(start), static_cast<LPARAM>(end));
}

std::u16string EditTextBox::selText() const
{
    const std::u16string all = text();
    const auto [start, end] = selection();
    const std::size_t from = std::min(start, all.size());
    const std::size_t to = std::clamp(end, from, all.size());
    return all.substr(from, to - from);
}

} // namespace qhj::app::win32
