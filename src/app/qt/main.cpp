// 青禾笺 on Linux: shows Form1 centred and runs until it is closed or the
// exit command ends the program.
#include "app/qt/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qhj::app::qt::setUpApplication();
    return qhj::app::qt::showForm1();
}
