#include "window/commands.h"

namespace qhj::window {

void generate(runtime::Runtime& rt)
{
    const std::u16string input = rt.text1().text();
    rt.text2().setText(ConvertAmount(input, rt));
}

void copy(runtime::Runtime& rt)
{
    runtime::TextBox& result = rt.text2();
    result.setSelStart(0);
    result.setSelLength(result.text().size());
    runtime::Clipboard& clipboard = rt.clipboard();
    runtime::ClipboardResult done = clipboard.clear();
    if (done == runtime::ClipboardResult::kDone)
        done = clipboard.setText(result.selText());
    if (done != runtime::ClipboardResult::kDone) {
        rt.msgBox(done == runtime::ClipboardResult::kNoMemory ? kNoMemoryPrompt : kClipboardBusyPrompt,
                  runtime::MsgBoxStyle::kExclamation, kErrorTitle);
    }
}

void showNote(runtime::Runtime& rt)
{
    rt.msgBox(kUsageNote, runtime::MsgBoxStyle::kOkOnly);
}

void showAuthor(runtime::Runtime& rt)
{
    rt.msgBox(kAuthorNotice, runtime::MsgBoxStyle::kOkOnly);
}

void quit(runtime::Runtime& rt)
{
    rt.end();
}

void click(Command command, runtime::Runtime& rt)
{
    switch (command) {
    case Command::kGenerate:
        generate(rt);
        break;
    case Command::kCopy:
        copy(rt);
        break;
    case Command::kNote:
        showNote(rt);
        break;
    case Command::kAuthor:
        showAuthor(rt);
        break;
    case Command::kQuit:
        quit(rt);
        break;
    case Command::kNone:
        break;
    }
}

} // namespace qhj::window
