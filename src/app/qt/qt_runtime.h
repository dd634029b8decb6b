// The runtime seam realised with Qt 6 Widgets: message boxes are modal
// QMessageBoxes, the text boxes are QLineEdits, the clipboard is the
// system clipboard in plain text, and End leaves the event loop.
#pragma once

#include "runtime/runtime.h"
#include "runtime/text_selection.h"

#include <QString>

#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace qhj::app::qt {

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Text, SelStart, SelLength and SelText of one QLineEdit. Qt counts
// positions in QChars, which are UTF-16 code units, as the seam does.
class QtTextBox final : public runtime::TextBox {
public:
    explicit QtTextBox(QLineEdit& edit) : m_edit(edit) { }
    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setSelStart(std::size_t start) override;
    void setSelLength(std::size_t length) override;
    std::u16string selText() const override;

private:
    runtime::Selection selection() const;
    void select(runtime::Selection selection);

    QLineEdit& m_edit;
};

// QGuiApplication::clipboard(), the CLIPBOARD selection on X11. setText
// fails when the program does not hold the clipboard afterwards.
class QtClipboard final : public runtime::Clipboard {
public:
    runtime::ClipboardResult clear() override;
    runtime::ClipboardResult setText(std::u16string_view text) override;
};

class QtRuntime final : public runtime::Runtime {
public:
    // `window` parents the message boxes and is hidden by end().
    QtRuntime(QWidget& window, QLineEdit& text1, QLineEdit& text2)
        : m_window(window), m_text1(text1), m_text2(text2)
    { }

    // A modal QMessageBox with one OK button: no icon for style 0, the
    // warning icon for style 48. The prompt is shown as plain text.
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                std::optional<std::u16string_view> title) override;
    runtime::TextBox& text1() override { return m_text1; }
    runtime::TextBox& text2() override { return m_text2; }
    runtime::Clipboard& clipboard() override { return m_clipboard; }
    // Hides the window and leaves the event loop; exec() returns 0.
    void end() override;

private:
    QWidget& m_window;
    QtTextBox m_text1;
    QtTextBox m_text2;
    QtClipboard m_clipboard;
};

} // namespace qhj::app::qt
