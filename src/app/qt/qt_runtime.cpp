#include "app/qt/qt_runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace qhj::app::qt {
namespace {

int clampToText(std::size_t value, const QLineEdit& edit)
{
    return static_cast<int>(std::min(value, static_cast<std::size_t>(edit.text().size())));
}

} // namespace

std::u16string QtTextBox::text() const
{
    return toU16(m_edit.text());
}

void QtTextBox::setText(std::u16string_view text)
{
    m_edit.setText(toQString(text));
}

// Like the classic SelStart: moves the caret and drops the selection.
void QtTextBox::setSelStart(std::size_t start)
{
    m_edit.setCursorPosition(clampToText(start, m_edit));
}

// Selects `length` units from the selection's start, or from the caret.
void QtTextBox::setSelLength(std::size_t length)
{
    const int start = m_edit.hasSelectedText() ? m_edit.selectionStart() : m_edit.cursorPosition();
    const int available = static_cast<int>(m_edit.text().size()) - start;
    m_edit.setSelection(start, std::min(clampToText(length, m_edit), available));
}

std::u16string QtTextBox::selText() const
{
    return toU16(m_edit.selectedText());
}

bool QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    return true;
}

bool QtClipboard::setText(std::u16string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text), QClipboard::Clipboard);
    return true;
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
