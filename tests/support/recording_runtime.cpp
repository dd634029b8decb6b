#include "support/recording_runtime.h"

#include "cli/utf8.h"

namespace qhj::testing {

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    cli::appendUtf8(text, out);
    return out;
}

void PrintTo(const ShownBox& box, std::ostream* out)
{
    *out << "{\"" << toUtf8(box.prompt) << "\", \"" << toUtf8(box.title) << "\""
         << (box.exclamation ? ", exclamation" : "") << ", " << box.buttons << " button(s)}";
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

runtime::ClipboardResult RecordingClipboard::clear()
{
    calls.emplace_back("clear");
    if (failure)
        return *failure;
    contents.reset();
    return runtime::ClipboardResult::kDone;
}

runtime::ClipboardResult RecordingClipboard::setText(std::u16string_view text)
{
    calls.emplace_back("setText");
    if (failure)
        return *failure;
    contents = std::u16string(text);
    return runtime::ClipboardResult::kDone;
}

void RecordingRuntime::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                              std::optional<std::u16string_view> title)
{
    boxes.push_back({std::u16string(prompt), std::u16string(runtime::effectiveTitle(title)),
                     style == runtime::MsgBoxStyle::kExclamation, 1});
}

} // namespace qhj::testing
