#include "app/web/web_runtime.h"

#include "runtime/text_selection.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// The page's side of each call is Module.page (page.js). Texts cross as
// UTF-16 code units with their length, so that nothing is re-encoded and
// a NUL is a character like any other.

// A box in one call: its length and selection into state[0..2], and, when
// asked, its text, in memory the caller frees; null when not asked.
EM_JS(char16_t*, pageBox, (const char* id, int withText, int* state), {
    const box = Module.page.box(UTF8ToString(id));
    HEAP32[state >> 2] = box.text.length;
    HEAP32[(state >> 2) + 1] = box.start;
    HEAP32[(state >> 2) + 2] = box.end;
    if (!withText)
        return 0;
    const units = _malloc(box.text.length * 2 + 2);
    Module.utf16.write(HEAPU16, units >> 1, box.text);
    return units;
});

EM_JS(void, pageSetText, (const char* id, const char16_t* units, int length),
      { Module.page.setText(UTF8ToString(id), Module.utf16.read(HEAPU16, units >> 1, length)); });

EM_JS(void, pageSelect, (const char* id, int start, int end),
      { Module.page.select(UTF8ToString(id), start, end); });

EM_ASYNC_JS(
    void, pageNotice,
    (const char16_t* prompt, int promptLength, const char16_t* title, int titleLength, int exclamation), {
        await Module.page.notice(Module.utf16.read(HEAPU16, title >> 1, titleLength),
                                 Module.utf16.read(HEAPU16, prompt >> 1, promptLength), exclamation != 0);
    });

EM_ASYNC_JS(int, pageCopy, (const char16_t* units, int length),
            { return (await Module.page.copy(Module.utf16.read(HEAPU16, units >> 1, length))) ? 1 : 0; });

EM_JS(void, pageEnd, (), { Module.page.end(); });

namespace qhj::app::web {

namespace {

int jsLength(std::size_t length)
{
    return static_cast<int>(length);
}

} // namespace

WebTextBox::State WebTextBox::state(bool withText) const
{
    int numbers[3] = {};
    char16_t* units = pageBox(m_id.c_str(), withText ? 1 : 0, numbers);
    State state;
    state.length = static_cast<std::size_t>(numbers[0]);
    state.start = static_cast<std::size_t>(numbers[1]);
    state.end = static_cast<std::size_t>(numbers[2]);
    if (units != nullptr) {
        state.text.assign(units, state.length);
        std::free(units);
    }
    return state;
}

std::u16string WebTextBox::text() const
{
    return state(true).text;
}

void WebTextBox::setText(std::u16string_view text)
{
    pageSetText(m_id.c_str(), text.data(), jsLength(text.size()));
}

void WebTextBox::setSelStart(std::size_t start)
{
    const runtime::Selection selection = runtime::selStartTo(start, state(false).length);
    pageSelect(m_id.c_str(), jsLength(selection.start), jsLength(selection.start + selection.length));
}

void WebTextBox::setSelLength(std::size_t length)
{
    const State box = state(false);
    const runtime::Selection selection = runtime::selLengthTo(box.start, length, box.length);
    pageSelect(m_id.c_str(), jsLength(selection.start), jsLength(selection.start + selection.length));
}

std::u16string WebTextBox::selText() const
{
    const State box = state(true);
    return std::u16string(runtime::selectedText(box.text, {box.start, box.end - box.start}));
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
