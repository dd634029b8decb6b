#include "app/qt/qt_runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>

namespace qhj::app::qt {

std::u16string QtTextBox::text() const
{
    return toU16(m_edit.text());
}

void QtTextBox::setText(std::u16string_view text)
{
    m_edit.setText(toQString(text));
}

runtime::Selection QtTextBox::selection() const
{
    if (m_edit.hasSelectedText())
        return {static_cast<std::size_t>(m_edit.selectionStart()),
                static_cast<std::size_t>(m_edit.selectedText().size())};
    return {static_cast<std::size_t>(m_edit.cursorPosition()), 0};
}

void QtTextBox::select(runtime::Selection selection)
{
    if (selection.length == 0)
        m_edit.setCursorPosition(static_cast<int>(selection.start));
    else
        m_edit.setSelection(static_cast<int>(selection.start), static_cast<int>(selection.length));
}

void QtTextBox::setSelStart(std::size_t start)
{
    select(runtime::selStartTo(start, static_cast<std::size_t>(m_edit.text().size())));
}

void QtTextBox::setSelLength(std::size_t length)
{
    select(runtime::selLengthTo(selection().start, length, static_cast<std::size_t>(m_edit.text().size())));
}

std::u16string QtTextBox::selText() const
{
    return toU16(m_edit.selectedText());
}

runtime::ClipboardResult QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    return runtime::ClipboardResult::kDone;
}

// The clipboard answers with the very data handed to it only while this
// program holds it. On X11 a request that comes too late (another program
// took the clipboard after the click that asked for the copy) is refused
// by the server, and Qt says nothing of it but a warning.
runtime::ClipboardResult QtClipboard::setText(std::u16string_view text)
{
    auto* data = new QMimeData;
    data->setText(toQString(text));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return clipboard->mimeData(QClipboard::Clipboard) == data ? runtime::ClipboardResult::kDone
                                                              : runtime::ClipboardResult::kHeld;
}

void QtRuntime::msgBox(std::u16string_view prompt, runtime::MsgBoxStyle style,
                       std::optional<std::u16string_view> title)
{
    QMessageBox box(&m_window);
    box.setWindowTitle(toQString(runtime::effectiveTitle(title)));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(prompt));
    box.setIcon(style == runtime::MsgBoxStyle::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void QtRuntime::end()
{
    m_window.hide();
    QCoreApplication::exit(0);
}

} // namespace qhj::app::qt
