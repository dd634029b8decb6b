// The process entry of qinghejian.exe: creates Form1 and runs it until the
// program ends.
#include "app/win32/form_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    qhj::app::win32::FormWindow form1(instance);
    if (!form1.create(showCommand))
        return 1;
    return form1.run();
}
