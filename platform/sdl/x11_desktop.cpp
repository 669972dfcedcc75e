// Other programs' windows and the live keyboard state, through a connection of our own.
#include "platform/sdl/x11_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <strings.h>
#include <unistd.h>

#include <cstdio>

namespace tinto::sdl {

namespace {

// Windows of other programs can vanish between two requests. While a trap is alive,
// X errors are ignored instead of ending the program (Xlib's default), and the handler
// that was installed before (SDL's) comes back afterwards.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* d) : display_(d) {
    XSync(display_, False);
    previous_ = XSetErrorHandler(&Ignore);
  }
  ~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

 private:
  static int Ignore(Display*, XErrorEvent*) { return 0; }
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

// One property's raw bytes (format 8) or longs (format 32); empty when absent.
struct Property {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned char* data = nullptr;
  Property() = default;
  Property(const Property&) = delete;
  Property& operator=(const Property&) = delete;
  ~Property() {
    if (data != nullptr) XFree(data);
  }
  long Long(unsigned long i) const { return reinterpret_cast<const long*>(data)[i]; }
};

bool ReadProperty(Display* d, Window w, Atom name, Atom type, Property& out) {
  unsigned long after = 0;
  return XGetWindowProperty(d, w, name, 0, 1 << 16, False, type, &out.type, &out.format, &out.count,
                            &after, &out.data) == Success &&
         out.data != nullptr && out.type != None;
}

}  // namespace

namespace {

int ReportXError(Display* d, XErrorEvent* e) {
  // A window of another program that vanished is no news worth telling.
  if (e->error_code == BadWindow) return 0;
  char text[256] = {};
  XGetErrorText(d, e->error_code, text, sizeof text);
  std::fprintf(stderr, "X error ignored: %s (request %d)\n", text, e->request_code);
  return 0;
}

}  // namespace

void KeepGoingOnXErrors() {
  XSetErrorHandler(&ReportXError);
}

X11Desktop::X11Desktop() : display_(XOpenDisplay(nullptr)) {}

X11Desktop::~X11Desktop() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

template <typename Visit>
void X11Desktop::ForEachTopLevel(Visit visit) {
  Display* d = display_;
  Window root = DefaultRootWindow(d);
  Window root_ret = 0, parent_ret = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(d, root, &root_ret, &parent_ret, &children, &count) == 0) return;
  for (unsigned int i = 0; i < count; ++i) {
    visit(children[i]);
    // Window managers put each client into a frame of their own: look one level down.
    Window* grand = nullptr;
    unsigned int grand_count = 0;
    if (XQueryTree(d, children[i], &root_ret, &parent_ret, &grand, &grand_count) != 0) {
      for (unsigned int j = 0; j < grand_count; ++j) visit(grand[j]);
      if (grand != nullptr) XFree(grand);
    }
  }
  if (children != nullptr) XFree(children);
}

std::optional<std::string> X11Desktop::NameOf(unsigned long window) {
  Display* d = display_;
  {
    Property p;
    if (ReadProperty(d, window, XInternAtom(d, "_NET_WM_NAME", False),
                     XInternAtom(d, "UTF8_STRING", False), p) &&
        p.format == 8)
      return std::string(reinterpret_cast<const char*>(p.data), p.count);
  }
  Property p;
  if (ReadProperty(d, window, XA_WM_NAME, AnyPropertyType, p) && p.format == 8)
    return std::string(reinterpret_cast<const char*>(p.data), p.count);
  return std::nullopt;
}

bool X11Desktop::OwnedByUs(unsigned long window) {
  Property p;
  return ReadProperty(display_, window, XInternAtom(display_, "_NET_WM_PID", False), XA_CARDINAL,
                      p) &&
         p.format == 32 && p.count >= 1 && p.Long(0) == static_cast<long>(getpid());
}

std::vector<X11Desktop::TopLevel> X11Desktop::FindByTitle(const std::string& title) {
  std::vector<TopLevel> found;
  if (display_ == nullptr) return found;
  ErrorTrap trap(display_);
  Display* d = display_;
  const Atom wm_state = XInternAtom(d, "WM_STATE", False);
  const Atom net_state = XInternAtom(d, "_NET_WM_STATE", False);
  const Atom hidden = XInternAtom(d, "_NET_WM_STATE_HIDDEN", False);
  ForEachTopLevel([&](Window w) {
    const std::optional<std::string> name = NameOf(w);
    if (!name || *name != title || OwnedByUs(w)) return;
    TopLevel t{.window = w};
    XWindowAttributes attrs{};
    if (XGetWindowAttributes(d, w, &attrs) != 0) t.viewable = attrs.map_state == IsViewable;
    Property state;
    if (ReadProperty(d, w, wm_state, wm_state, state) && state.format == 32 && state.count >= 1)
      t.iconified = state.Long(0) == IconicState;
    Property net;
    if (ReadProperty(d, w, net_state, XA_ATOM, net) && net.format == 32)
      for (unsigned long i = 0; i < net.count; ++i)
        if (static_cast<Atom>(net.Long(i)) == hidden) t.iconified = true;
    found.push_back(t);
  });
  return found;
}

bool X11Desktop::ClassExists(std::span<const char* const> names) {
  if (display_ == nullptr) return false;
  ErrorTrap trap(display_);
  bool found = false;
  ForEachTopLevel([&](Window w) {
    if (found) return;
    XClassHint hint{};
    if (XGetClassHint(display_, w, &hint) == 0) return;
    // Window classes compare without regard to case, as the host game's platform does.
    for (const char* name : names) {
      auto same = [name](const char* s) { return s != nullptr && strcasecmp(s, name) == 0; };
      found = found || same(hint.res_name) || same(hint.res_class);
    }
    if (hint.res_name != nullptr) XFree(hint.res_name);
    if (hint.res_class != nullptr) XFree(hint.res_class);
  });
  return found;
}

bool X11Desktop::HasWindowManager() {
  Display* d = display_;
  Property p;
  if (ReadProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False),
                   XA_WINDOW, p) &&
      p.format == 32 && p.count >= 1)
    return true;
  const std::string selection = "WM_S" + std::to_string(DefaultScreen(d));
  return XGetSelectionOwner(d, XInternAtom(d, selection.c_str(), False)) != None;
}

void X11Desktop::Activate(const TopLevel& target) {
  if (display_ == nullptr) return;
  ErrorTrap trap(display_);
  Display* d = display_;
  const Window w = target.window;
  // Mapping an iconified window restores it; a withdrawn one stays as its program wants.
  if (target.viewable || target.iconified) XMapRaised(d, w);

  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = w;
  ev.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = 2;  // on the user's behalf, like a task bar: not focus stealing
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &ev);
  // With nobody to honour that request, hand the keyboard focus over directly.
  if (target.viewable && !HasWindowManager()) XSetInputFocus(d, w, RevertToParent, CurrentTime);
  XFlush(d);
}

std::optional<unsigned long> X11Desktop::ArgbVisual() {
  if (display_ == nullptr) return std::nullopt;
  XVisualInfo wanted{};
  wanted.screen = DefaultScreen(display_);
  wanted.depth = 32;
  wanted.c_class = TrueColor;
  int count = 0;
  XVisualInfo* found = XGetVisualInfo(
      display_, VisualScreenMask | VisualDepthMask | VisualClassMask, &wanted, &count);
  std::optional<unsigned long> visual;
  for (int i = 0; i < count && !visual; ++i)
    if (found[i].red_mask == 0xFF0000 && found[i].green_mask == 0xFF00 &&
        found[i].blue_mask == 0xFF)
      visual = found[i].visualid;
  if (found != nullptr) XFree(found);
  return visual;
}

bool X11Desktop::KeysymDown(unsigned long keysym) {
  if (display_ == nullptr) return false;
  const KeyCode code = XKeysymToKeycode(display_, static_cast<KeySym>(keysym));
  if (code == 0) return false;
  char keys[32] = {};
  XQueryKeymap(display_, keys);
  return ((static_cast<unsigned char>(keys[code / 8]) >> (code % 8)) & 1) != 0;
}

}  // namespace tinto::sdl
