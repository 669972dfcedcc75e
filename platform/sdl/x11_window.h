// What SDL does not offer for its own windows on X11: the window shape (bounding region)
// and the per-window choice of being a target for dropped files. Both do nothing when the
// window does not live on an X server.
#pragma once

#include <SDL_events.h>
#include <SDL_video.h>

#include <optional>

#include "gfx/region.h"

namespace tinto::sdl {

// Cuts the window to exactly the region's pixels (client coordinates); pixels outside it
// are neither drawn nor hit by the mouse. An empty region leaves nothing visible.
void ShapeWindow(SDL_Window* window, const gfx::Region& region);

// Advertises the window as a drop target (XDND) or withdraws that, so that a file
// manager shows a refusing cursor over windows that take no files.
void SetDropTarget(SDL_Window* window, bool accept);

// Where the pointer is on the screen now, asked of the X server of the window.
std::optional<gfx::Point> QueryPointer(SDL_Window* window);

// Where the window's top-left corner is on the screen now, asked of the X server. (SDL's
// own record lags behind moves, and under some window managers it is plainly wrong.)
std::optional<gfx::Point> QueryWindowOrigin(SDL_Window* window);

// Records the window's position as the place its user chose, so that a window manager
// puts it exactly there when it is shown.
void SetPlacementHint(SDL_Window* window, gfx::Point top_left);

// Hands a drag of the window, begun by the press of `button` at screen point `press`, to
// the window manager: the pointer's grab is released and the
// manager moves the window with the pointer until the button comes up. Done only on
// XWayland, whose window managers may apply no position their clients ask for (weston's
// does not). Elsewhere the program moves the window itself, which also follows a drag
// whose button comes up before a manager could have taken it. False when not handed over
// (not XWayland, or no manager offering _NET_WM_MOVERESIZE).
bool HandMoveToWindowManager(SDL_Window* window, gfx::Point press, unsigned int button);

// Makes the X server send the window's pointer motion as core events, which SDL passes
// on as window-system messages: SDL asks for XInput 2 motion on its windows, and then the
// server sends the core motion events to nobody.
void UseCorePointerEvents(SDL_Window* window);

// Marks a hidden dialog window, before it is mapped, as belonging to the window `owner`
// (WM_TRANSIENT_FOR: a window manager keeps it above its owner and gives it no task bar
// entry of its own) and asks for no task bar or pager entry, and for the layer above
// ordinary windows when `above`. Window managers drop these states when a window is
// withdrawn, so this is done at every showing.
void SetDialogState(SDL_Window* window, unsigned long owner, bool above);

// Puts the window above its siblings in the X stacking order (without a window manager
// this is the whole of raising it; with one it is a request the manager honours).
void RaiseX11Window(SDL_Window* window);

// Sends small updates of a window's surface to the X server without waiting for it. SDL
// waits for the server's answer after every update of a window's surface (a shared-memory
// surface must not change while the server reads it), which wakes the program once more
// for each update; a few rectangles of a marker or of the clock's digits go in the request
// itself instead, and the server's answer is not needed.
class X11SurfaceSender {
 public:
  // Made for a window that has its surface; does nothing (Send is false) when the window
  // does not live on an X server.
  explicit X11SurfaceSender(SDL_Window* window);
  X11SurfaceSender(const X11SurfaceSender&) = delete;
  X11SurfaceSender& operator=(const X11SurfaceSender&) = delete;
  // Frees what it holds on the server: before the window is destroyed.
  ~X11SurfaceSender();

  // Copies the rectangles of the surface to the window, in requests that Flush (or the
  // loop's wait) sends; false (nothing sent) when it cannot, and SDL's own update is to
  // be used.
  bool Send(const SDL_Surface* surface, const SDL_Rect* rects, int count);
  // Sends the requests held so far (every sender of the program shares one connection).
  void Flush();

 private:
  void ForgetImage();

  void* display_ = nullptr;  // Display*
  unsigned long window_ = 0;
  void* visual_ = nullptr;  // Visual*
  void* gc_ = nullptr;      // GC
  void* image_ = nullptr;   // XImage* of the surface's size, without pixels of its own
  int depth_ = 0;
};

// The X window of an SDL window (0 when it does not live on an X server).
unsigned long X11WindowOf(SDL_Window* window);

// A press, release or motion of the pointer as the X server reported it: the window it
// went to, where it happened in that window and on the screen, and when.
struct PointerEvent {
  enum class Kind { kPress, kRelease, kMotion };
  Kind kind = Kind::kMotion;
  unsigned long window = 0;  // the X window
  unsigned int button = 0;   // X's numbering: 1 left, 2 middle, 3 right, 4 and 5 the wheel
  gfx::Point client;
  gfx::Point screen;
  unsigned long time = 0;  // the server's milliseconds
};

// The pointer event an X event of SDL's window-system message is, if it is one.
std::optional<PointerEvent> PointerEventOf(const SDL_SysWMmsg* msg);

}  // namespace tinto::sdl
