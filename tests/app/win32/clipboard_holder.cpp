// Opens the clipboard and keeps it open, as a busy program might, so that
// the end-to-end test can press 复制 meanwhile.
//
//   clipboard_holder.exe READY RELEASE [SECONDS]
//
// Creates the file READY once the clipboard is held, lets it go when the
// file RELEASE appears or after SECONDS (default 30), then exits.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    const wchar_t* ready = argv[1];
    const wchar_t* release = argv[2];
    const DWORD seconds = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 30;

    if (!OpenClipboard(nullptr))
        return 1;
    HANDLE marker =
        CreateFileW(ready, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);

    const ULONGLONG until = GetTickCount64() + seconds * 1000ULL;
    while (GetTickCount64() < until && GetFileAttributesW(release) == INVALID_FILE_ATTRIBUTES)
        Sleep(20);
    CloseClipboard();
    return 0;
}
