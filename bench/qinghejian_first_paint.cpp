// qinghejian as the user starts it, built from the same window library, with
// the first-paint hook of first_paint_report.h: `make bench` times its
// start-up against the bare window.
#include "first_paint_report.h"

#include "app/qt/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qhj::app::qt::setUpApplication();
    return qhj::app::qt::showForm1(
        [](qhj::app::qt::MainWindow& window) { qhj::bench::reportFirstPaintIfAsked(window); });
}
