// Takes the X clipboard from under a program's feet, for the held-clipboard
// scenario of the Qt program: with the server grabbed, so that the program
// can neither see nor do anything meanwhile, it clicks at X Y, and only then
// claims the clipboard itself. The program handles the click after the
// server is let go, and its claim, stamped with the click's time, is older
// than this one: the server refuses it, as it would any claim overtaken by
// another program's.
//
//   clipboard_taker X Y   exits 0 once it has claimed the clipboard, and
//                         keeps it until it ends (stdin closed or a signal)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s X Y\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);

    XGrabServer(display);
    XTestFakeMotionEvent(display, -1, std::atoi(argv[1]), std::atoi(argv[2]), 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XSync(display, False);
    // Long enough for the program to read the click and ask for the
    // clipboard, and for the server's clock to move on past the click.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    const bool owner = XGetSelectionOwner(display, clipboard) == window;
    XUngrabServer(display);
    XSync(display, False);
    std::printf("%s\n", owner ? "taken" : "not taken");
    std::fflush(stdout);
    if (!owner)
        return 1;
    // Hold it, answering nobody, until told to let go.
    char c;
    while (read(STDIN_FILENO, &c, 1) > 0) {
    }
    XCloseDisplay(display);
    return 0;
}
