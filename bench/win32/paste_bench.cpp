// qinghejian.exe's Text1, from the same window library, taking a paste of N
// digits; prints the milliseconds it took. bare_window.exe --paste N is the
// same paste into a plain edit control.
#include "paste_timing.h"

#include "app/win32/form_window.h"

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    qhj::app::win32::FormWindow form1(GetModuleHandleW(nullptr));
    if (!form1.create(SW_SHOWNORMAL))
        return 1;
    const double ms = pasteMilliseconds(form1.control("Text1"), std::wcstoul(argv[1], nullptr, 10));
    std::printf("%.0f\n", ms);
    return ms < 0 ? 1 : 0;
}
