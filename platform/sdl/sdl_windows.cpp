// The desktop backend's windows: creation, showing, position, shape, drawing, focus.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "platform/paint_mark.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/x11_window.h"

namespace tinto::sdl {

namespace {
// Updates up to this many pixels (64 kB) are sent in the request itself.
constexpr std::int64_t kSmallUpdatePixels = 16 * 1024;

// One row of a window on a visual with alpha, `width` pixels from column `left` of row y:
// the colours `in` (0x00RRGGBB) opaque where the shape holds them (all of them when there is
// no shape), clear elsewhere. Clear means all zero: compositors blend premultiplied
// colours. `in` may be `out`.
void ShapedRow(const gfx::Mask& shape, int y, int left, int width, const Uint32* in, Uint32* out) {
  if (shape.width() == 0) {
    for (int i = 0; i < width; ++i) out[i] = in[i] | 0xFF000000u;
    return;
  }
  // The mask's pixels of the row (none below it), and clear beyond them.
  const int masked = y < shape.height() ? std::clamp(shape.width() - left, 0, width) : 0;
  const std::uint8_t* inside = masked > 0 ? shape.row(y) + left : nullptr;
  for (int i = 0; i < masked; ++i)
    out[i] = (in[i] | 0xFF000000u) & (0u - static_cast<Uint32>(inside[i]));
  for (int i = masked; i < width; ++i) out[i] = 0u;
}
}  // namespace

SdlPlatform::Win* SdlPlatform::Find(WindowId id) {
  const auto it = windows_.find(id);
  if (it == windows_.end()) return nullptr;
  Win* w = it->second.get();
  if (w->to_make) Make(*w);
  return w;
}

SdlPlatform::Win* SdlPlatform::FindX(unsigned long x_window) {
  if (x_window == 0) return nullptr;
  for (auto& [id, w] : windows_)
    if (w->x_window == x_window) return w.get();
  return nullptr;
}

SdlPlatform::Win* SdlPlatform::FindSdl(Uint32 sdl_window_id) {
  SDL_Window* window = SDL_GetWindowFromID(sdl_window_id);
  if (window == nullptr) return nullptr;
  for (auto& [id, w] : windows_)
    if (w->window == window) return w.get();
  return nullptr;
}

// A window's system window is made at its first use, as the Windows backend makes its
// handles: the main window's while the program waits for its first tick, not before its
// timers start.
WindowId SdlPlatform::CreateWindow(const WindowSpec& spec, WindowEvents* events) {
  auto w = std::make_unique<Win>();
  w->id = next_id_++;
  w->events = events;
  w->topmost = spec.topmost;
  w->to_make = spec;
  const WindowId id = w->id;
  if (first_window_ == 0) first_window_ = id;
  windows_.emplace(id, std::move(w));
  return id;
}

void SdlPlatform::Make(Win& w) {
  const WindowSpec spec = std::move(*w.to_make);
  w.to_make.reset();
  // Skinned windows have no frame; the manual is an ordinary framed, resizable window.
  Uint32 flags = SDL_WINDOW_HIDDEN;
  flags |= spec.resizable ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_BORDERLESS;
  if (spec.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  // Only the first window (the main one) has a task bar entry.
  if (w.id != first_window_) flags |= SDL_WINDOW_SKIP_TASKBAR;
  // Skinned windows are shaped. Compositors that never read a window's shape (Wayland
  // compositors showing XWayland windows, for one) show what its alpha says, so they go
  // on a visual with alpha when the server offers one; the shape stays for the others.
  const std::optional<unsigned long> visual = spec.resizable ? std::nullopt : desktop_.ArgbVisual();
  if (visual) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(*visual).c_str());
  w.window = SDL_CreateWindow(spec.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              std::max(1, spec.width), std::max(1, spec.height), flags);
  if (visual) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, "");
  if (w.window == nullptr) return;
  // The window's pixels live in a surface of our own, made now, while the window is
  // hidden and before it is shaped. On the visual with alpha its top byte is the alpha
  // (SDL may call the format RGB888 all the same), and it starts clear.
  const SDL_Surface* surface = SDL_GetWindowSurface(w.window);
  // (A visual with alpha chosen by the user through SDL's own setting counts too.)
  w.alpha = surface != nullptr &&
            (surface->format->format == SDL_PIXELFORMAT_ARGB8888 ||
             (visual && surface->format->BytesPerPixel == 4 && surface->format->Rmask == 0xFF0000 &&
              surface->format->Gmask == 0xFF00 && surface->format->Bmask == 0xFF));
  SetDropTarget(w.window, w.accept_drops);
  w.x_window = X11WindowOf(w.window);
  UseCorePointerEvents(w.window);
  w.sender = std::make_unique<X11SurfaceSender>(w.window);
  if (event_wait_ == nullptr) event_wait_ = std::make_unique<X11EventWait>(w.window);
}

void SdlPlatform::DestroyWindow(WindowId id) {
  const auto it = windows_.find(id);
  if (it == windows_.end()) return;
  ShowDrawn();
  // A window's timers die with it, and a modal loop of it ends.
  timers_.RemoveOwner(id);
  modal_.Forget(id);
  it->second->sender.reset();
  if (it->second->window != nullptr) SDL_DestroyWindow(it->second->window);
  windows_.erase(it);
}

void SdlPlatform::ShowWindow(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  const bool was_hidden = !w->visible;
  if (w->window != nullptr && was_hidden) PrepareDialogShowing(*w);
  w->visible = true;
  if (w->window == nullptr) return;
  SDL_ShowWindow(w->window);
  if (!was_hidden) return;
  // The surface holds the window's picture, drawn while it was hidden: it goes to the
  // screen as soon as the window is there, not when the server next asks for a paint
  // (which shows the same pixels again).
  SDL_UpdateWindowSurface(w->window);
  MarkFirstPaint();
}

// Every other window belongs to the main window (one task bar entry for the program), and
// a window shown for one in the layer above ordinary windows joins that layer: a manual
// opened from a dialog comes up on top of it.
void SdlPlatform::PrepareDialogShowing(Win& w) {
  if (w.id == first_window_) return;
  const Win* main = Find(first_window_);
  const Win* opener = Find(w.opener);
  w.above = w.topmost || (opener != nullptr && opener->above);
  SetDialogState(w.window, main != nullptr ? main->x_window : 0, w.above);
}

void SdlPlatform::HideWindow(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  w->visible = false;
  if (w->window != nullptr) SDL_HideWindow(w->window);
}

bool SdlPlatform::IsWindowVisible(WindowId id) {
  const Win* w = Find(id);
  return w != nullptr && w->visible;
}

void SdlPlatform::SetWindowRegion(WindowId id, const gfx::Region& region) {
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr) return;
  ShowDrawn();
  ShapeWindow(w->window, region);
  if (!w->alpha) return;
  // Pixels that left the shape turn clear now; those that came into it are drawn anew when
  // the server reports them exposed.
  int width = 0, height = 0;
  SDL_GetWindowSize(w->window, &width, &height);
  w->shape = region.ToMask(width, height);
  if (SDL_Surface* surface = SDL_GetWindowSurface(w->window); surface != nullptr) {
    ApplyShapeAlpha(*w, surface, {0, 0, surface->w, surface->h});
    SDL_UpdateWindowSurface(w->window);
  }
}

void SdlPlatform::ApplyShapeAlpha(const Win& w, SDL_Surface* surface, gfx::Rect part) {
  part = gfx::Intersect(part, {0, 0, surface->w, surface->h});
  if (part.empty() || (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)) return;
  for (int y = part.top; y < part.top + part.height; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * surface->pitch) +
                  part.left;
    ShapedRow(w.shape, y, part.left, part.width, row, row);
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

void SdlPlatform::MoveWindow(WindowId id, gfx::Point top_left) {
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr) return;
  ShowDrawn();
  SDL_SetWindowPosition(w->window, top_left.x, top_left.y);
  // A window manager places a window when it is shown, by its hints.
  if (!w->visible) SetPlacementHint(w->window, top_left);
}

gfx::Point SdlPlatform::WindowPosition(WindowId id) {
  gfx::Point p;
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr) return p;
  if (const auto origin = QueryWindowOrigin(w->window)) return *origin;
  SDL_GetWindowPosition(w->window, &p.x, &p.y);
  return p;
}

gfx::Point SdlPlatform::PointerPosition() {
  if (pointer_) return *pointer_;
  if (Win* w = Find(first_window_); w != nullptr)
    if (const auto p = QueryPointer(w->window)) return *p;
  return {};
}

void SdlPlatform::DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                               gfx::Point dst) {
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr) return;
  SDL_Surface* surface = SDL_GetWindowSurface(w->window);
  if (surface == nullptr) return;
  // Clip to the bitmap, then to the window, moving the other side along.
  const gfx::Rect from = gfx::Intersect(src_rect, src.bounds());
  const gfx::Rect placed{dst.x + from.left - src_rect.left, dst.y + from.top - src_rect.top,
                         from.width, from.height};
  const gfx::Rect to = gfx::Intersect(placed, {0, 0, surface->w, surface->h});
  if (from.empty() || to.empty()) return;
  const int sx = from.left + (to.left - placed.left);
  const int sy = from.top + (to.top - placed.top);

  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  auto* out = static_cast<Uint8*>(surface->pixels) +
              static_cast<std::ptrdiff_t>(to.top) * surface->pitch +
              static_cast<std::ptrdiff_t>(to.left) * surface->format->BytesPerPixel;
  const gfx::Pixel* in = src.row(sy) + sx;
  const int in_pitch = src.width() * static_cast<int>(sizeof(gfx::Pixel));
  const Uint32 format = surface->format->format;
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    // The usual cases: the window's pixels are ours, 0x00RRGGBB, or those with an alpha on
    // top, set in the same pass.
    for (int y = 0; y < to.height; ++y) {
      auto* row = reinterpret_cast<Uint32*>(out + static_cast<std::ptrdiff_t>(y) * surface->pitch);
      const gfx::Pixel* from_row = src.row(sy + y) + sx;
      if (w->alpha)
        ShapedRow(w->shape, to.top + y, to.left, to.width, from_row, row);
      else if (format == SDL_PIXELFORMAT_RGB888)
        std::memcpy(row, from_row, static_cast<std::size_t>(to.width) * sizeof(gfx::Pixel));
      else
        for (int i = 0; i < to.width; ++i) row[i] = from_row[i] | 0xFF000000u;
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  } else {
    SDL_ConvertPixels(to.width, to.height, SDL_PIXELFORMAT_RGB888, in, in_pitch, format, out,
                      surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (w->alpha) ApplyShapeAlpha(*w, surface, to);
  }
  // Sent with whatever else this pass draws (ShowDrawn): the server then answers once.
  w->drawn.push_back({to.left, to.top, to.width, to.height});
}

void SdlPlatform::ShowDrawn() {
  if (X11SurfaceSender* sender = SendDrawn(); sender != nullptr) sender->Flush();
}

X11SurfaceSender* SdlPlatform::SendDrawn() {
  X11SurfaceSender* held = nullptr;
  for (auto& [id, w] : windows_) {
    if (w->drawn.empty()) continue;
    std::int64_t pixels = 0;
    for (const SDL_Rect& r : w->drawn) pixels += static_cast<std::int64_t>(r.w) * r.h;
    const int count = static_cast<int>(w->drawn.size());
    // Small updates (a marker, the clock's digits) go without waiting for the server; large
    // ones (a film's frames, a whole window) through SDL's shared memory.
    const bool sent = pixels <= kSmallUpdatePixels && w->sender != nullptr &&
                      w->sender->Send(SDL_GetWindowSurface(w->window), w->drawn.data(), count);
    if (sent) held = w->sender.get();
    if (w->window != nullptr && !sent)
      SDL_UpdateWindowSurfaceRects(w->window, w->drawn.data(), count);
    w->drawn.clear();
    if (w->visible) MarkFirstPaint();
  }
  return held;
}

void SdlPlatform::Repaint(WindowId id) {
  if (Win* w = Find(id); w != nullptr && w->events != nullptr) w->events->OnPaint();
}

void SdlPlatform::AcceptDroppedFiles(WindowId id, bool accept) {
  Win* w = Find(id);
  if (w == nullptr) return;
  w->accept_drops = accept;
  SetDropTarget(w->window, accept);
}

bool SdlPlatform::HandOverDrag(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr || held_.window != id || held_.button == 0) return false;
  if (!HandMoveToWindowManager(w->window, held_.at, held_.button)) return false;
  // The release goes to the window manager.
  held_ = HeldPress{};
  return true;
}

// The topmost modal window counts as holding the focus even when the desktop has not
// (yet) handed it over: it is the only window that takes input.
bool SdlPlatform::HasFocus(WindowId id) {
  if (modal_.Top() == id) return true;
  const Win* w = Find(id);
  return w != nullptr && w->window != nullptr && SDL_GetKeyboardFocus() == w->window;
}

WindowId SdlPlatform::FocusedWindow() {
  SDL_Window* focus = SDL_GetKeyboardFocus();
  if (focus == nullptr) return 0;
  for (auto& [id, w] : windows_)
    if (w->window == focus) return id;
  return 0;
}

// Without a window manager nobody gives the focus to a window that comes to the front,
// nor back to the one below a window that went away.
void SdlPlatform::GiveFocus(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr || w->window == nullptr || !w->visible) return;
  SDL_RaiseWindow(w->window);
  SDL_SetWindowInputFocus(w->window);
}

}  // namespace tinto::sdl
