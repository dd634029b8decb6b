#include "app/qt/application.h"

#include "version/version.h"

#include <QApplication>

namespace qhj::app::qt {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("qinghejian"));
    QApplication::setApplicationVersion(QStringLiteral(QHJ_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(QHJ_APP_ID));
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
