#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>

namespace qhj::app::qt {

MessageBoxAnswerer::MessageBoxAnswerer()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    m_timer.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() = default;

void MessageBoxAnswerer::answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    m_shown.append({box->windowTitle(), box->text(), box->icon()});
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.size() != 1 || box->standardButtons() != QMessageBox::Ok || box->textFormat() != Qt::PlainText
        || !box->isModal()) {
        m_wellFormed = false;
    }
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr)
        ok->click();
    else
        box->reject();
}

char* toString(const ShownBox& box)
{
    const QString text = QStringLiteral("{title \"%1\", icon %2, text \"%3\"}")
                             .arg(box.title)
                             .arg(static_cast<int>(box.icon))
                             .arg(box.text);
    return qstrdup(text.toUtf8().constData());
}

} // namespace qhj::app::qt
