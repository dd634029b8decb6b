// The process entry of qinghejian.exe: creates Form1 and runs it until the
// program ends.
#include "app/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    qhj::app::win32::MainWindow form1(instance);
    if (!form1.create(showCommand))
        return 1;
    return form1.run();
}
