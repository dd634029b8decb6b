#include "app/qt/application.h"

#include "version/version.h"

#include <QApplication>
#include <QTranslator>

namespace qhj::app::qt {

namespace {

// Qt's own Chinese, with 撤销 (undo) spelt as today's dictionaries and a
// Chinese Windows spell it, not the older 撤消 of Qt's catalogue.
class QtTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        text.replace(QStringLiteral("撤消"), QStringLiteral("撤销"));
        return text;
    }
};

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("qinghejian"));
    QApplication::setApplicationVersion(QStringLiteral(QHJ_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(QHJ_APP_ID));
    // Qt's own texts (a notice's 确定, a text box's menu) in the program's
    // language, from the copy compiled in, whatever the locale.
    auto* qtTexts = new QtTexts(qApp);
    if (qtTexts->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm")))
        QCoreApplication::installTranslator(qtTexts);
    useSongFaceThroughout();
}

int showForm1(const std::function<void(MainWindow&)>& beforeShow)
{
    MainWindow window;
    if (beforeShow)
        beforeShow(window);
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}

} // namespace qhj::app::qt
