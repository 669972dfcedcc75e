// Window shape and drop-target advertising through Xlib on SDL's own connection.
#include "platform/sdl/x11_window.h"

#include <SDL_endian.h>
#include <SDL_surface.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tinto::sdl {

namespace {

struct X11Handle {
  Display* display = nullptr;
  Window window = 0;
};

X11Handle HandleOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
    return {};
  return {info.info.x11.display, info.info.x11.window};
}

short ClampShort(int v) {
  return static_cast<short>(std::clamp(v, -32768, 32767));
}
unsigned short ClampSize(int v) {
  return static_cast<unsigned short>(std::clamp(v, 0, 65535));
}

}  // namespace

void ShapeWindow(SDL_Window* window, const gfx::Region& region) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  int event_base = 0, error_base = 0;
  if (!XShapeQueryExtension(x.display, &event_base, &error_base)) return;
  // The region's bands are already sorted by rows and, within a row, by x: YX-banded.
  std::vector<XRectangle> rects;
  for (const gfx::Rect& r : region.Bands())
    rects.push_back(
        {ClampShort(r.left), ClampShort(r.top), ClampSize(r.width), ClampSize(r.height)});
  XShapeCombineRectangles(x.display, x.window, ShapeBounding, 0, 0, rects.data(),
                          static_cast<int>(rects.size()), ShapeSet, YXBanded);
  XFlush(x.display);
}

void SetDropTarget(SDL_Window* window, bool accept) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  const Atom aware = XInternAtom(x.display, "XdndAware", False);
  if (accept) {
    const Atom version = 5;
    XChangeProperty(x.display, x.window, aware, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&version), 1);
  } else {
    XDeleteProperty(x.display, x.window, aware);
  }
  XFlush(x.display);
}

std::optional<gfx::Point> QueryPointer(SDL_Window* window) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return std::nullopt;
  Window root = 0, child = 0;
  int root_x = 0, root_y = 0, win_x = 0, win_y = 0;
  unsigned int mask = 0;
  if (!XQueryPointer(x.display, x.window, &root, &child, &root_x, &root_y, &win_x, &win_y, &mask))
    return std::nullopt;
  return gfx::Point{root_x, root_y};
}

std::optional<gfx::Point> QueryWindowOrigin(SDL_Window* window) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return std::nullopt;
  Window child = 0;
  int root_x = 0, root_y = 0;
  if (!XTranslateCoordinates(x.display, x.window, DefaultRootWindow(x.display), 0, 0, &root_x,
                             &root_y, &child))
    return std::nullopt;
  return gfx::Point{root_x, root_y};
}

void SetPlacementHint(SDL_Window* window, gfx::Point top_left) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  XSizeHints* hints = XAllocSizeHints();
  if (hints == nullptr) return;
  long supplied = 0;
  XGetWMNormalHints(x.display, x.window, hints, &supplied);
  hints->flags |= USPosition | PPosition;
  hints->x = top_left.x;
  hints->y = top_left.y;
  XSetWMNormalHints(x.display, x.window, hints);
  XFree(hints);
  XFlush(x.display);
}

namespace {

// Whether the running window manager lists the atom in _NET_SUPPORTED.
bool ManagerSupports(Display* d, const char* name) {
  const Window root = DefaultRootWindow(d);
  Window* check = nullptr;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  // A stale _NET_SUPPORTED outlives a manager that ended: the check window must exist.
  const Atom wm_check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
  if (XGetWindowProperty(d, root, wm_check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                         reinterpret_cast<unsigned char**>(&check)) != Success ||
      check == nullptr || count != 1) {
    if (check != nullptr) XFree(check);
    return false;
  }
  XFree(check);
  const Atom wanted = XInternAtom(d, name, False);
  if (XGetWindowProperty(d, root, XInternAtom(d, "_NET_SUPPORTED", False), 0, 4096, False, XA_ATOM,
                         &type, &format, &count, &after, &data) != Success ||
      data == nullptr)
    return false;
  const Atom* atoms = reinterpret_cast<const Atom*>(data);
  const bool found = format == 32 && std::find(atoms, atoms + count, wanted) != atoms + count;
  XFree(data);
  return found;
}

// Whether the X server is XWayland, inside a Wayland compositor: its extension says so
// (from Xwayland 23 on), and its input devices carry its name.
bool OnXWayland(Display* d) {
  int opcode = 0, event_base = 0, error_base = 0;
  if (XQueryExtension(d, "XWAYLAND", &opcode, &event_base, &error_base)) return true;
  if (!XQueryExtension(d, "XInputExtension", &opcode, &event_base, &error_base)) return false;
  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &count);
  bool found = false;
  for (int i = 0; i < count && !found; ++i)
    found = devices[i].name != nullptr && std::strncmp(devices[i].name, "xwayland-", 9) == 0;
  if (devices != nullptr) XIFreeDeviceInfo(devices);
  return found;
}

}  // namespace

bool HandMoveToWindowManager(SDL_Window* window, gfx::Point press, unsigned int button) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr || !OnXWayland(x.display) ||
      !ManagerSupports(x.display, "_NET_WM_MOVERESIZE"))
    return false;
  // The manager can only take the pointer once ours is let go: the press's own grab and
  // the one SDL takes while a button is down, later than the press.
  XUngrabPointer(x.display, CurrentTime);
  constexpr long kMove = 8;         // _NET_WM_MOVERESIZE_MOVE
  constexpr long kFromProgram = 1;  // a normal application asks
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = x.window;
  ev.xclient.message_type = XInternAtom(x.display, "_NET_WM_MOVERESIZE", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = press.x;
  ev.xclient.data.l[1] = press.y;
  ev.xclient.data.l[2] = kMove;
  ev.xclient.data.l[3] = static_cast<long>(button);
  ev.xclient.data.l[4] = kFromProgram;
  XSendEvent(x.display, DefaultRootWindow(x.display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  XFlush(x.display);
  return true;
}

void UseCorePointerEvents(SDL_Window* window) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  int opcode = 0, event_base = 0, error_base = 0;
  if (!XQueryExtension(x.display, "XInputExtension", &opcode, &event_base, &error_base)) return;
  // An empty mask withdraws the window's XInput 2 selection for all master devices.
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
  XISelectEvents(x.display, x.window, &mask, 1);
  XFlush(x.display);
}

void SetDialogState(SDL_Window* window, unsigned long owner, bool above) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  if (owner != 0) XSetTransientForHint(x.display, x.window, owner);
  std::vector<Atom> states{XInternAtom(x.display, "_NET_WM_STATE_SKIP_TASKBAR", False),
                           XInternAtom(x.display, "_NET_WM_STATE_SKIP_PAGER", False)};
  if (above) states.push_back(XInternAtom(x.display, "_NET_WM_STATE_ABOVE", False));
  XChangeProperty(x.display, x.window, XInternAtom(x.display, "_NET_WM_STATE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(states.data()),
                  static_cast<int>(states.size()));
  XFlush(x.display);
}

void RaiseX11Window(SDL_Window* window) {
  const X11Handle x = HandleOf(window);
  if (x.display == nullptr) return;
  XRaiseWindow(x.display, x.window);
  XFlush(x.display);
}

X11SurfaceSender::X11SurfaceSender(SDL_Window* window) {
  const X11Handle x = HandleOf(window);
  XWindowAttributes attributes{};
  if (x.display == nullptr || !XGetWindowAttributes(x.display, x.window, &attributes)) return;
  display_ = x.display;
  window_ = x.window;
  visual_ = attributes.visual;
  depth_ = attributes.depth;
  // A context made on the window serves every drawable of its depth: the window may be on
  // a visual with alpha, of another depth than the screen's default context.
  gc_ = XCreateGC(x.display, x.window, 0, nullptr);
}

X11SurfaceSender::~X11SurfaceSender() {
  ForgetImage();
  if (gc_ != nullptr) XFreeGC(static_cast<Display*>(display_), static_cast<GC>(gc_));
}

void X11SurfaceSender::ForgetImage() {
  if (image_ == nullptr) return;
  auto* image = static_cast<XImage*>(image_);
  image->data = nullptr;  // the surface's, not the image's to free
  XDestroyImage(image);
  image_ = nullptr;
}

bool X11SurfaceSender::Send(const SDL_Surface* surface, const SDL_Rect* rects, int count) {
  if (gc_ == nullptr || surface == nullptr || surface->format->BytesPerPixel != 4 ||
      (depth_ != 24 && depth_ != 32))
    return false;
  auto* display = static_cast<Display*>(display_);
  // The image describes the surface's pixels; it is made again when the surface is.
  auto* image = static_cast<XImage*>(image_);
  if (image == nullptr || image->width != surface->w || image->height != surface->h ||
      image->bytes_per_line != surface->pitch) {
    ForgetImage();
    image = XCreateImage(display, static_cast<Visual*>(visual_), static_cast<unsigned int>(depth_),
                         ZPixmap, 0, nullptr, static_cast<unsigned int>(surface->w),
                         static_cast<unsigned int>(surface->h), 32, surface->pitch);
    if (image == nullptr) return false;
    image_ = image;
    // The surface's pixels are words in this machine's order, as SDL's own image says.
    image->byte_order = SDL_BYTEORDER == SDL_BIG_ENDIAN ? MSBFirst : LSBFirst;
  }
  if (image->bits_per_pixel != 32) return false;
  image->data = static_cast<char*>(surface->pixels);
  for (int i = 0; i < count; ++i) {
    const SDL_Rect& r = rects[i];
    // Xlib copies the pixels into its request: the surface is free to change at once.
    XPutImage(display, window_, static_cast<GC>(gc_), image, r.x, r.y, r.x, r.y,
              static_cast<unsigned int>(r.w), static_cast<unsigned int>(r.h));
  }
  image->data = nullptr;
  return true;
}

void X11SurfaceSender::Flush() {
  if (display_ != nullptr) XFlush(static_cast<Display*>(display_));
}

unsigned long X11WindowOf(SDL_Window* window) {
  return HandleOf(window).window;
}

std::optional<PointerEvent> PointerEventOf(const SDL_SysWMmsg* msg) {
  if (msg == nullptr || msg->subsystem != SDL_SYSWM_X11) return std::nullopt;
  const XEvent& e = msg->msg.x11.event;
  switch (e.type) {
    case ButtonPress:
    case ButtonRelease:
      return PointerEvent{
          .kind = e.type == ButtonPress ? PointerEvent::Kind::kPress : PointerEvent::Kind::kRelease,
          .window = e.xbutton.window,
          .button = e.xbutton.button,
          .client = {e.xbutton.x, e.xbutton.y},
          .screen = {e.xbutton.x_root, e.xbutton.y_root},
          .time = e.xbutton.time};
    case MotionNotify:
      return PointerEvent{.kind = PointerEvent::Kind::kMotion,
                          .window = e.xmotion.window,
                          .client = {e.xmotion.x, e.xmotion.y},
                          .screen = {e.xmotion.x_root, e.xmotion.y_root},
                          .time = e.xmotion.time};
    default:
      return std::nullopt;
  }
}

}  // namespace tinto::sdl
