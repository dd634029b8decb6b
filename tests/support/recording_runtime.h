// A runtime that remembers what was asked of it, for tests of the
// conversion and of the window commands.
#pragma once

#include "runtime/runtime.h"
#include "runtime/text_selection.h"
#include "support/expected_notices.h"
#include "support/shown_box.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qhj::testing {

inline const ShownBox kMorePointsBox = shownBox(kMorePointsNotice);
inline const ShownBox kWarningBox = shownBox(kExtraDecimalsNotice);
inline const ShownBox kFailureBox = shownBox(kFailureNotice);

std::string toUtf8(std::u16string_view text);
void PrintTo(const ShownBox& box, std::ostream* out);

class RecordingTextBox : public runtime::TextBox {
public:
    explicit RecordingTextBox(std::u16string text = {}) : m_text(std::move(text)) { }
    std::u16string text() const override { return m_text; }
    void setText(std::u16string_view text) override;
    void setSelStart(std::size_t start) override;
    void setSelLength(std::size_t length) override;
    std::u16string selText() const override;

    std::size_t selStart() const { return m_selection.start; }
    std::size_t selLength() const { return m_selection.length; }

private:
    std::u16string m_text;
    runtime::Selection m_selection;
};

// Holds the plain text last set; `failure`, when set, is what every call
// gives instead, as when another program keeps the clipboard open.
class RecordingClipboard : public runtime::Clipboard {
public:
    runtime::ClipboardResult clear() override;
    runtime::ClipboardResult setText(std::u16string_view text) override;

    std::optional<std::u16string> contents = u"before";
    std::vector<std::string> calls;
    std::optional<runtime::ClipboardResult> failure;
};

class RecordingRuntime : public runtime::Runtime {
public:
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                std::optional<std::u16string_view> title) override;
    runtime::TextBox& text1() override { return m_text1; }
    runtime::TextBox& text2() override { return m_text2; }
    runtime::Clipboard& clipboard() override { return m_clipboard; }
    void end() override { ++endCalls; }

    RecordingTextBox m_text1{u"123456.78"};
    RecordingTextBox m_text2;
    RecordingClipboard m_clipboard;
    std::vector<ShownBox> boxes;
    int endCalls = 0;
};

} // namespace qhj::testing
