// Takes the X clipboard from under a program's feet, for the held-clipboard
// scenario of the Qt program: with the server grabbed, so that the program
// can read events but have no request answered, it clicks at X Y, waits,
// and only then claims the clipboard itself. A program that handled the
// click during the wait asks for the clipboard with the click's time, which
// is older than this claim: the server refuses it, as it would any claim
// overtaken by another program's.
//
// The wait is a guess. A program too busy to handle the click in time reads
// the news of this claim first, catches its clock up to it and wins the
// clipboard back. That shows as a SelectionClear here, and the taker says
// so rather than leave the caller expecting a notice that will not come.
//
//   clipboard_taker X Y   prints "held" and keeps the clipboard until stdin
//                         closes, or prints "overtaken" and exits 3
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {

// How long the program's claim, once the server is let go, may take to
// arrive and overtake this one.
constexpr auto kSettle = std::chrono::milliseconds(1500);

bool lostWithin(Display* display, Window window, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        XEvent event;
        if (XCheckTypedWindowEvent(display, window, SelectionClear, &event))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace

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
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    const bool owner = XGetSelectionOwner(display, clipboard) == window;
    XUngrabServer(display);
    XSync(display, False);
    const bool held = owner && !lostWithin(display, window, kSettle);
    std::printf("%s\n", held ? "held" : "overtaken");
    std::fflush(stdout);
    if (!held) {
        XCloseDisplay(display);
        return 3;
    }
    // Hold it, answering nobody, until told to let go.
    char c;
    while (read(STDIN_FILENO, &c, 1) > 0) { }
    XCloseDisplay(display);
    return 0;
}
