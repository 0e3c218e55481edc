// Asks a window to close the way a window manager does: a WM_PROTOCOLS client
// message carrying WM_DELETE_WINDOW. The program decides what to do with it
// (the clock window writes its settings and ends the program); the window is
// not destroyed from outside as `xdotool windowclose` would.
//
//   closewindow <window id>   (decimal or 0x... as xdotool prints it)
//
// Exits 0 when the message was sent, 1 when the window does not take part in
// WM_DELETE_WINDOW, 2 on a bad argument or no display.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: closewindow <window id>\n");
    return 2;
  }
  char* end = nullptr;
  const unsigned long id = std::strtoul(argv[1], &end, 0);
  if (!end || *end != '\0' || id == 0) {
    std::fprintf(stderr, "closewindow: bad window id \"%s\"\n", argv[1]);
    return 2;
  }
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "closewindow: cannot open the display\n");
    return 2;
  }
  const Window win = static_cast<Window>(id);
  const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
  const Atom del = XInternAtom(dpy, "WM_DELETE_WINDOW", False);

  // A window manager sends the message only to windows that list it.
  Atom* list = nullptr;
  int count = 0;
  bool takesPart = false;
  if (XGetWMProtocols(dpy, win, &list, &count)) {
    for (int i = 0; i < count; ++i) takesPart = takesPart || list[i] == del;
    XFree(list);
  }
  if (!takesPart) {
    std::fprintf(stderr, "closewindow: window 0x%lx does not take WM_DELETE_WINDOW\n", id);
    XCloseDisplay(dpy);
    return 1;
  }

  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = win;
  ev.xclient.message_type = protocols;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(del);
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, win, False, NoEventMask, &ev);
  XSync(dpy, False);
  XCloseDisplay(dpy);
  return 0;
}
