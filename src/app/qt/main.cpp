// 青禾笺 on Linux: shows Form1 centred and runs until it is closed or the
// exit command ends the program.
#include "app/qt/first_paint_report.h"
#include "app/qt/main_window.h"
#include "version/version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qinghejian"));
    QApplication::setApplicationVersion(QStringLiteral(QHJ_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral("qinghejian"));

    qhj::app::qt::useSongFaceThroughout();
    qhj::app::qt::MainWindow window;
    qhj::bench::reportFirstPaintIfAsked(window);
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
