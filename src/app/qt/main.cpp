// 青禾笺 on Linux: shows Form1 centred and runs until it is closed or the
// exit command ends the program.
#include "app/qt/application.h"
#include "app/qt/command_line.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = qhj::app::qt::answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    qhj::app::qt::displayFound();
    qhj::app::qt::setUpApplication();
    return qhj::app::qt::showForm1();
}
