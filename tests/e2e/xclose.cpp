// Asks a window to close the way a window manager's close button does (a WM_PROTOCOLS
// client message carrying WM_DELETE_WINDOW):  xclose WINDOW
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: xclose WINDOW\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return 2;
  const Window w = std::strtoul(argv[1], nullptr, 0);
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = w;
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &ev);
  XCloseDisplay(d);
  return 0;
}
