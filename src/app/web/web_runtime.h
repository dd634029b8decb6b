// The runtime seam realised on the page's HTML: Form1's boxes are its
// <input> elements, a notice is its <dialog>, the clipboard is the
// browser's. The page (page.js) owns the elements; this side reaches them
// by the described names, which are their ids.
#pragma once

#include "runtime/runtime.h"

#include <string>
#include <string_view>

namespace qhj::app::web {

class WebTextBox final : public runtime::TextBox {
public:
    explicit WebTextBox(std::string_view id) : m_id(id) { }

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setSelStart(std::size_t start) override;
    void setSelLength(std::size_t length) override;
    std::u16string selText() const override;

private:
    // The box as it stands, in one crossing to the page.
    struct State {
        std::u16string text; // only when asked for
        std::size_t length = 0;
        std::size_t start = 0;
        std::size_t end = 0;
    };
    State state(bool withText) const;

    std::string m_id;
};

class WebClipboard final : public runtime::Clipboard {
public:
    // The browser's clipboard is replaced, not cleared and then filled.
    runtime::ClipboardResult clear() override { return runtime::ClipboardResult::kDone; }
    runtime::ClipboardResult setText(std::u16string_view text) override;
};

class WebRuntime final : public runtime::Runtime {
public:
    // Waits, without blocking the page, until the notice is dismissed.
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                std::optional<std::u16string_view> title = std::nullopt) override;
    runtime::TextBox& text1() override { return m_text1; }
    runtime::TextBox& text2() override { return m_text2; }
    runtime::Clipboard& clipboard() override { return m_clipboard; }
    void end() override;

private:
    WebTextBox m_text1{"Text1"};
    WebTextBox m_text2{"Text2"};
    WebClipboard m_clipboard;
};

} // namespace qhj::app::web
