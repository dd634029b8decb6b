// 青禾笺 on Linux: shows Form1 centred and runs until it is closed or the
// exit command ends the program.
#include "runtime/qt/first_paint_report.h"
#include "runtime/qt/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qinghejian"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("qinghejian"));

    qhj::runtime::qt::useSongFaceThroughout();
    qhj::runtime::qt::MainWindow window;
    qhj::bench::reportFirstPaintIfAsked(window);
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
