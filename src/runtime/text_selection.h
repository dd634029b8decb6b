// How SelStart and SelLength move a text box's selection, written once for
// every TextBox: the Qt and Win32 ones and the tests' recording one. Both
// are clamped to the text, as the classic properties are, so no value
// selects past its end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace qhj::runtime {

// Positions and lengths in UTF-16 code units; `start` is 0-based.
struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const Selection&) const = default;
};

// SelStart: the caret moves to `start` and nothing stays selected.
constexpr Selection selStartTo(std::size_t start, std::size_t textLength)
{
    return {std::min(start, textLength), 0};
}

// SelLength: `length` units from the selection's start, at most to the end.
constexpr Selection selLengthTo(std::size_t start, std::size_t length, std::size_t textLength)
{
    const std::size_t from = std::min(start, textLength);
    return {from, std::min(length, textLength - from)};
}

// SelText: the part of `text` that `selection` covers, clamped the same way.
constexpr std::u16string_view selectedText(std::u16string_view text, Selection selection)
{
    const Selection clamped = selLengthTo(selection.start, selection.length, text.size());
    return text.substr(clamped.start, clamped.length);
}

} // namespace qhj::runtime
