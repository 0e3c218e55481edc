// Asks a window to close the way a window manager's close box does: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW, which the program
// handles as it chooses (`xdotool windowclose` destroys the window instead).
//
//   closewindow <window id>   (decimal or 0x..., as xdotool prints it)
#include <X11/Xlib.h>

#include <cstdlib>

int main(int, char** argv) {
  Display* display = XOpenDisplay(nullptr);  // none: a crash, which fails the test too
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = std::strtoul(argv[1], nullptr, 0);
  e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);  // at CurrentTime, 0
  XSendEvent(display, e.xclient.window, False, NoEventMask, &e);
  XCloseDisplay(display);
}
