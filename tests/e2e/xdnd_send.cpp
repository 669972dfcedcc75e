// Drops files onto a window the way a file manager does (XDND, version 5):
//   xdnd_send WINDOW FILE...
// Prints "not-aware" and exits 3 when the window does not advertise itself as a drop
// target, "refused" (exit 4) when it answers that it takes nothing, "dropped" when the
// drop went through. File names are sent as file:// URIs, with %XX escapes for bytes
// outside the plain characters.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string FileUri(const std::string& path) {
  std::string uri = "file://";
  for (const unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
      uri += static_cast<char>(c);
    } else {
      char esc[4];
      std::snprintf(esc, sizeof esc, "%%%02X", c);
      uri += esc;
    }
  }
  return uri;
}

void Send(Display* d, Window target, Atom type, long l0, long l1, long l2, long l3, long l4) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = target;
  ev.xclient.message_type = type;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = l0;
  ev.xclient.data.l[1] = l1;
  ev.xclient.data.l[2] = l2;
  ev.xclient.data.l[3] = l3;
  ev.xclient.data.l[4] = l4;
  XSendEvent(d, target, False, NoEventMask, &ev);
  XFlush(d);
}

// The next event, or false after the timeout.
bool NextEvent(Display* d, XEvent& ev, int timeout_ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (XPending(d) == 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          end - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) return false;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    poll(&p, 1, static_cast<int>(left));
  }
  XNextEvent(d, &ev);
  return true;
}

int Drop(Display* d, int argc, char** argv) {
  const Window target = std::strtoul(argv[1], nullptr, 0);
  std::string list;
  for (int i = 2; i < argc; ++i) list += FileUri(argv[i]) + "\r\n";

  auto atom = [d](const char* name) { return XInternAtom(d, name, False); };
  const Atom aware = atom("XdndAware"), enter = atom("XdndEnter"), position = atom("XdndPosition"),
             status = atom("XdndStatus"), drop = atom("XdndDrop"), finished = atom("XdndFinished"),
             leave = atom("XdndLeave"), selection = atom("XdndSelection"),
             uri_list = atom("text/uri-list"), copy = atom("XdndActionCopy");

  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(d, target, aware, 0, 1, False, XA_ATOM, &type, &format, &count, &after, &data);
  if (data != nullptr) XFree(data);
  if (type == None || count == 0) {
    std::printf("not-aware\n");
    return 3;
  }

  const Window source = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(d, selection, source, CurrentTime);
  int root_x = 0, root_y = 0;
  Window child = 0;
  XTranslateCoordinates(d, target, DefaultRootWindow(d), 10, 10, &root_x, &root_y, &child);

  Send(d, target, enter, static_cast<long>(source), 5L << 24, static_cast<long>(uri_list), 0, 0);
  Send(d, target, position, static_cast<long>(source), 0, (root_x << 16) | root_y, CurrentTime,
       static_cast<long>(copy));
  // The target may ask for the list at any time (some ask as soon as the drag enters):
  // write it into the target's property and say so.
  auto AnswerRequest = [&](const XSelectionRequestEvent& req) {
    XChangeProperty(d, req.requestor, req.property, uri_list, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(list.data()),
                    static_cast<int>(list.size()));
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = req.requestor;
    reply.xselection.selection = req.selection;
    reply.xselection.target = req.target;
    reply.xselection.property = req.property;
    reply.xselection.time = req.time;
    XSendEvent(d, req.requestor, False, NoEventMask, &reply);
    XFlush(d);
  };
  XEvent ev;
  bool accepted = false, answered = false;
  while (!answered && NextEvent(d, ev, 3000)) {
    if (ev.type == SelectionRequest) AnswerRequest(ev.xselectionrequest);
    if (ev.type == ClientMessage && ev.xclient.message_type == status) {
      answered = true;
      accepted = (ev.xclient.data.l[1] & 1) != 0;
    }
  }
  if (!accepted) {
    Send(d, target, leave, static_cast<long>(source), 0, 0, 0, 0);
    std::printf("refused\n");
    return 4;
  }
  Send(d, target, drop, static_cast<long>(source), 0, CurrentTime, 0, 0);
  while (NextEvent(d, ev, 3000)) {
    if (ev.type == SelectionRequest) {
      AnswerRequest(ev.xselectionrequest);
    } else if (ev.type == ClientMessage && ev.xclient.message_type == finished) {
      std::printf("dropped\n");
      return 0;
    }
  }
  std::printf("no-finish\n");
  return 5;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: xdnd_send WINDOW FILE...\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return 2;
  const int status = Drop(d, argc, argv);
  XCloseDisplay(d);
  return status;
}
