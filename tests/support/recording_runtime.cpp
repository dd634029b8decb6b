#include "support/recording_runtime.h"


namespace qhj::testing {

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void PrintTo(const ShownBox& box, std::ostream* out)
{
    *out << "{\"" << toUtf8(box.prompt) << "\", style " << static_cast<int>(box.style)
         << ", \"" << toUtf8(box.title) << "\"}";
}

void RecordingTextBox::setText(std::u16string_view text)
{
    m_text = text;
    m_selection = runtime::selStartTo(m_selection.start, m_text.size());
}

void RecordingTextBox::setSelStart(std::size_t start)
{
    m_selection = runtime::selStartTo(start, m_text.size());
}

void RecordingTextBox::setSelLength(std::size_t length)
{
    m_selection = runtime::selLengthTo(m_selection.start, length, m_text.size());
}

std::u16string RecordingTextBox::selText() const
{
    return std::u16string(runtime::selectedText(m_text, m_selection));
}

bool RecordingClipboard::clear()
{
    calls.emplace_back("clear");
    if (busy)
        return false;
    contents.reset();
    return true;
}

bool RecordingClipboard::setText(std::u16string_view text)
{
    calls.emplace_back("setText");
    if (busy)
        return false;
    contents = std::u16string(text);
    return true;
}

void RecordingRuntime::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                              std::optional<std::u16string_view> title)
{
    boxes.push_back({std::u16string(prompt), style, std::u16string(runtime::effectiveTitle(title))});
}

} // namespace qhj::testing
