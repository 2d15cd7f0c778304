#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

// Asks a top-level window to close the way a window manager's close box does: a
// WM_DELETE_WINDOW message, which leaves the answer to the program. Xvfb runs no
// window manager, and xdotool's windowclose destroys the window instead.
int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: wm_close WINDOW-ID\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("wm_close: cannot open the display\n", stderr);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::strtoul(argv[1], nullptr, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
