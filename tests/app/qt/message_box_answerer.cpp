#include "message_box_answerer.h"

#include "app/qt/qt_runtime.h"

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
    const QList<QAbstractButton*> buttons = box->buttons();
    m_shown.append({toU16(box->text()), toU16(box->windowTitle()), box->icon() == QMessageBox::Warning,
                    static_cast<int>(buttons.size())});
    const bool icon = box->icon() == QMessageBox::Warning || box->icon() == QMessageBox::NoIcon;
    if (!icon || buttons.size() != 1 || box->standardButtons() != QMessageBox::Ok
        || box->textFormat() != Qt::PlainText || !box->isModal()) {
        m_wellFormed = false;
    }
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr)
        ok->click();
    else
        box->reject();
}

} // namespace qhj::app::qt

namespace qhj::testing {

char* toString(const ShownBox& box)
{
    const QString text = QStringLiteral("{title \"%1\", %2, %3 button(s), text \"%4\"}")
                             .arg(qhj::app::qt::toQString(box.title))
                             .arg(box.exclamation ? QStringLiteral("exclamation") : QStringLiteral("no icon"))
                             .arg(box.buttons)
                             .arg(qhj::app::qt::toQString(box.prompt));
    return qstrdup(text.toUtf8().constData());
}

} // namespace qhj::testing
