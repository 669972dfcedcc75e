// Other programs' windows and the live keyboard state, through a connection of our own.
#include "platform/sdl/x11_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

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

namespace {

// The queries below go out all at once and their replies are read afterwards: one round
// trip to the server for the lot instead of one for each window (a desktop has dozens of
// windows, and both looks are made as the program starts). A window that vanishes while
// we look answers with an error, which only that window's reply sees.

// xcb's replies are allocated with malloc and freed by their owner.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

// The reply to a cookie through xcb's reply function for its request (xcb_query_tree_reply,
// ...); nothing when the request failed, whose error is dropped.
template <typename ReplyFunction, typename Cookie>
auto ReplyOf(ReplyFunction reply_function, xcb_connection_t* c, Cookie cookie) {
  xcb_generic_error_t* error = nullptr;
  using Reply = std::remove_pointer_t<decltype(reply_function(c, cookie, &error))>;
  std::unique_ptr<Reply, FreeReply> reply(reply_function(c, cookie, &error));
  std::free(error);
  return reply;
}

// The children of each window.
std::vector<std::vector<xcb_window_t>> ChildrenOf(xcb_connection_t* c,
                                                  const std::vector<xcb_window_t>& parents) {
  std::vector<xcb_query_tree_cookie_t> cookies;
  cookies.reserve(parents.size());
  for (const xcb_window_t parent : parents) cookies.push_back(xcb_query_tree(c, parent));
  std::vector<std::vector<xcb_window_t>> children(parents.size());
  for (std::size_t i = 0; i < cookies.size(); ++i) {
    const auto reply = ReplyOf(xcb_query_tree_reply, c, cookies[i]);
    if (reply == nullptr) continue;
    const xcb_window_t* first = xcb_query_tree_children(reply.get());
    children[i].assign(first, first + xcb_query_tree_children_length(reply.get()));
  }
  return children;
}

// A text property asked for by name and type (XCB_GET_PROPERTY_TYPE_ANY: any type).
struct TextProperty {
  xcb_atom_t name;
  xcb_atom_t type;
};

// For each window, the bytes of the first of `asked` it has as 8-bit text; nothing when it
// has none of them.
std::vector<std::optional<std::string>> FirstTextOf(xcb_connection_t* c,
                                                    const std::vector<xcb_window_t>& windows,
                                                    std::span<const TextProperty> asked) {
  std::vector<xcb_get_property_cookie_t> cookies;
  cookies.reserve(windows.size() * asked.size());
  for (const xcb_window_t w : windows)
    for (const TextProperty& p : asked)
      cookies.push_back(xcb_get_property(c, 0, w, p.name, p.type, 0, 1 << 16));
  std::vector<std::optional<std::string>> texts(windows.size());
  for (std::size_t i = 0; i < cookies.size(); ++i) {
    const auto reply = ReplyOf(xcb_get_property_reply, c, cookies[i]);
    if (reply == nullptr) continue;
    std::optional<std::string>& text = texts[i / asked.size()];
    if (!text && reply->type != XCB_NONE && reply->format == 8)
      text.emplace(static_cast<const char*>(xcb_get_property_value(reply.get())),
                   static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
  }
  return texts;
}

}  // namespace

std::vector<std::uint32_t> X11Desktop::TopLevelWindows() {
  xcb_connection_t* c = XGetXCBConnection(display_);
  const xcb_window_t root = DefaultRootWindow(display_);
  // The root's children and the list of clients a window manager keeps on the root
  // (_NET_CLIENT_LIST), asked for together.
  const xcb_get_property_cookie_t list_cookie = xcb_get_property(
      c, 0, root, XInternAtom(display_, "_NET_CLIENT_LIST", False), XCB_ATOM_WINDOW, 0, 1 << 16);
  const std::vector<xcb_window_t> children = ChildrenOf(c, {root}).front();
  const auto list = ReplyOf(xcb_get_property_reply, c, list_cookie);
  std::vector<xcb_window_t> windows;
  if (list != nullptr && list->type == XCB_ATOM_WINDOW && list->format == 32) {
    // Windows nobody manages (a hidden one among them) are the root's children; the list
    // names the managed ones wherever their frames put them.
    const auto* clients = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    std::vector<xcb_window_t> sorted = children;
    std::sort(sorted.begin(), sorted.end());
    windows = children;
    for (int i = 0; i < count; ++i)
      if (!std::binary_search(sorted.begin(), sorted.end(), clients[i]))
        windows.push_back(clients[i]);
  } else {
    // Without that list: window managers put each client into a frame of their own, so
    // look one level down.
    const std::vector<std::vector<xcb_window_t>> grandchildren = ChildrenOf(c, children);
    for (std::size_t i = 0; i < children.size(); ++i) {
      windows.push_back(children[i]);
      windows.insert(windows.end(), grandchildren[i].begin(), grandchildren[i].end());
    }
  }
  return windows;
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
  Display* d = display_;
  // One round trip for the atoms of this look and of TopLevelWindows (Xlib keeps them).
  char* names[] = {const_cast<char*>("_NET_WM_NAME"), const_cast<char*>("UTF8_STRING"),
                   const_cast<char*>("_NET_CLIENT_LIST")};
  Atom atoms[3] = {};
  XInternAtoms(d, names, 3, False, atoms);
  // The title is _NET_WM_NAME (UTF-8), or else WM_NAME.
  const TextProperty title_properties[] = {
      {static_cast<xcb_atom_t>(atoms[0]), static_cast<xcb_atom_t>(atoms[1])},
      {XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY}};
  const std::vector<std::uint32_t> windows = TopLevelWindows();
  const std::vector<std::optional<std::string>> titles =
      FirstTextOf(XGetXCBConnection(d), windows, title_properties);
  std::vector<Window> named;
  for (std::size_t i = 0; i < windows.size(); ++i)
    if (titles[i] == title) named.push_back(windows[i]);
  if (named.empty()) return found;
  ErrorTrap trap(display_);
  const Atom wm_state = XInternAtom(d, "WM_STATE", False);
  const Atom net_state = XInternAtom(d, "_NET_WM_STATE", False);
  const Atom hidden = XInternAtom(d, "_NET_WM_STATE_HIDDEN", False);
  for (const Window w : named) {
    if (OwnedByUs(w)) continue;
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
  }
  return found;
}

bool X11Desktop::ClassExists(std::span<const char* const> names) {
  if (display_ == nullptr) return false;
  const TextProperty wm_class[] = {{XCB_ATOM_WM_CLASS, XCB_ATOM_STRING}};
  // Window classes compare without regard to case, as the host game's platform does.
  auto is_wanted = [names](std::string_view v) {
    for (const char* name : names)
      if (std::strlen(name) == v.size() && strncasecmp(v.data(), name, v.size()) == 0) return true;
    return false;
  };
  for (const std::optional<std::string>& text :
       FirstTextOf(XGetXCBConnection(display_), TopLevelWindows(), wm_class)) {
    if (!text) continue;
    // WM_CLASS holds the instance name and the class name, each ended by a zero byte.
    const std::string_view all(*text);
    const std::string_view instance = all.substr(0, all.find('\0'));
    const std::string_view rest = all.substr(std::min(all.size(), instance.size() + 1));
    if (is_wanted(instance) || is_wanted(rest.substr(0, rest.find('\0')))) return true;
  }
  return false;
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
