#include "app/web/web_runtime.h"

#include "runtime/text_selection.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// The page's side of each call is Module.page (page.js). Texts cross as
// UTF-16 code units with their length, so that nothing is re-encoded and
// a NUL is a character like any other.

EM_JS(char16_t*, pageText, (const char* id, int* length), {
    const text = Module.page.text(UTF8ToString(id));
    const units = _malloc(text.length * 2 + 2);
    for (let i = 0; i < text.length; ++i)
        HEAPU16[(units >> 1) + i] = text.charCodeAt(i);
    HEAP32[length >> 2] = text.length;
    return units;
});

EM_JS(void, pageSetText, (const char* id, const char16_t* units, int length),
      { Module.page.setText(UTF8ToString(id), Module.page.string(HEAPU16, units, length)); });

EM_JS(int, pageSelectionStart, (const char* id), { return Module.page.selection(UTF8ToString(id))[0]; });

EM_JS(int, pageSelectionEnd, (const char* id), { return Module.page.selection(UTF8ToString(id))[1]; });

EM_JS(void, pageSelect, (const char* id, int start, int end),
      { Module.page.select(UTF8ToString(id), start, end); });

EM_ASYNC_JS(void, pageNotice,
            (const char16_t* prompt, int promptLength, const char16_t* title, int titleLength,
             int exclamation),
            {
                await Module.page.notice(Module.page.string(HEAPU16, title, titleLength),
                                         Module.page.string(HEAPU16, prompt, promptLength), exclamation != 0);
            });

EM_ASYNC_JS(int, pageCopy, (const char16_t* units, int length),
            { return (await Module.page.copy(Module.page.string(HEAPU16, units, length))) ? 1 : 0; });

EM_JS(void, pageEnd, (), { Module.page.end(); });

namespace qhj::app::web {

namespace {

int jsLength(std::size_t length)
{
    return static_cast<int>(length);
}

} // namespace

std::u16string WebTextBox::text() const
{
    int length = 0;
    char16_t* units = pageText(m_id.c_str(), &length);
    std::u16string text(units, static_cast<std::size_t>(length));
    std::free(units);
    return text;
}

void WebTextBox::setText(std::u16string_view text)
{
    pageSetText(m_id.c_str(), text.data(), jsLength(text.size()));
}

void WebTextBox::setSelStart(std::size_t start)
{
    const runtime::Selection selection = runtime::selStartTo(start, text().size());
    pageSelect(m_id.c_str(), jsLength(selection.start), jsLength(selection.start + selection.length));
}

void WebTextBox::setSelLength(std::size_t length)
{
    const auto start = static_cast<std::size_t>(pageSelectionStart(m_id.c_str()));
    const runtime::Selection selection = runtime::selLengthTo(start, length, text().size());
    pageSelect(m_id.c_str(), jsLength(selection.start), jsLength(selection.start + selection.length));
}

std::u16string WebTextBox::selText() const
{
    const auto start = static_cast<std::size_t>(pageSelectionStart(m_id.c_str()));
    const auto end = static_cast<std::size_t>(pageSelectionEnd(m_id.c_str()));
    return std::u16string(runtime::selectedText(text(), {start, end - start}));
}

runtime::ClipboardResult WebClipboard::setText(std::u16string_view text)
{
    return pageCopy(text.data(), jsLength(text.size())) != 0 ? runtime::ClipboardResult::kDone
                                                             : runtime::ClipboardResult::kHeld;
}

void WebRuntime::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                        std::optional<std::u16string_view> title)
{
    const std::u16string_view shown = runtime::effectiveTitle(title);
    pageNotice(prompt.data(), jsLength(prompt.size()), shown.data(), jsLength(shown.size()),
               style == runtime::MsgBoxStyle::kExclamation ? 1 : 0);
}

void WebRuntime::end()
{
    pageEnd();
}

} // namespace qhj::app::web
