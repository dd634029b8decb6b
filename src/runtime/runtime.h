// The platform seam: the handful of services the conversion and the window
// commands need from whatever toolkit hosts them. Everything here is plain
// C++ so the same commands run on Qt, on Win32 and under a recording fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qhj::runtime {

// Shown by every message box that is given no title of its own.
inline constexpr std::u16string_view kApplicationTitle = u"青禾笺";

// The one button of every message box, where the toolkit does not name it
// itself.
inline constexpr std::u16string_view kOkCaption = u"确定";

// Message box styles in use; the values are the classic MB_* numbers.
enum class MsgBoxStyle : int {
    kOkOnly = 0,
    kExclamation = 48,
};

// A modal box with one OK button. The call returns once it is dismissed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void msgBox(std::u16string_view prompt, MsgBoxStyle style,
                        std::optional<std::u16string_view> title = std::nullopt) = 0;
};

// The title a box actually shows.
inline std::u16string_view effectiveTitle(std::optional<std::u16string_view> title)
{
    return title ? *title : kApplicationTitle;
}

// A single-line edit control. Positions and lengths count UTF-16 code units;
// selStart is 0-based.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::u16string text() const = 0;
    virtual void setText(std::u16string_view text) = 0;
    virtual void setSelStart(std::size_t start) = 0;
    virtual void setSelLength(std::size_t length) = 0;
    virtual std::u16string selText() const = 0;
};

// What became of a clipboard call.
enum class ClipboardResult {
    kDone,
    kHeld,     // another program holds the clipboard, or took it first
    kNoMemory, // there was no memory for the text
};

// The system clipboard, plain text only. A call that fails changes nothing
// the caller can rely on.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    [[nodiscard]] virtual ClipboardResult clear() = 0;
    [[nodiscard]] virtual ClipboardResult setText(std::u16string_view text) = 0;
};

// Everything the window commands reach: the boxes of Form1, the clipboard,
// message boxes and the end of the program.
class Runtime : public MessageBox {
public:
    virtual TextBox& text1() = 0;
    virtual TextBox& text2() = 0;
    virtual Clipboard& clipboard() = 0;
    // Ends the program: the window goes away and no further command runs.
    virtual void end() = 0;
};

} // namespace qhj::runtime
