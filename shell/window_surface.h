// A window's back buffer together with the window it is shown on: every change is made
// in the back buffer and then copied onto the window, so that painting is always a copy
// of the back buffer.
#pragma once

#include "gfx/bitmap.h"
#include "platform/platform.h"

namespace tinto {

class WindowSurface {
 public:
  explicit WindowSurface(Platform& platform) : platform_(platform) {}

  void Attach(WindowId window) { window_ = window; }
  WindowId window() const { return window_; }
  Platform& platform() const { return platform_; }

  void Create(int width, int height) { back_ = gfx::Bitmap(width, height); }
  void Free() { back_ = {}; }
  gfx::Bitmap& back() { return back_; }
  const gfx::Bitmap& back() const { return back_; }

  // Copies a rectangle of the back buffer onto the window at the same place.
  void Present(gfx::Rect rect) const {
    if (window_ != 0) platform_.DrawToWindow(window_, back_, rect, {rect.left, rect.top});
  }
  void PresentAll() const { Present(back_.bounds()); }
  // Copies src_rect of a bitmap into the back buffer at dst, then presents it.
  void Copy(const gfx::Bitmap& src, gfx::Rect src_rect, gfx::Point dst) {
    gfx::Blit(back_, dst, src, src_rect);
    Present({dst.x, dst.y, src_rect.width, src_rect.height});
  }
  // Copies src_rect of a bitmap onto the window only (the back buffer keeps its look).
  void DrawOnWindowOnly(const gfx::Bitmap& src, gfx::Rect src_rect, gfx::Point dst) const {
    if (window_ != 0) platform_.DrawToWindow(window_, src, src_rect, dst);
  }

 private:
  Platform& platform_;
  WindowId window_ = 0;
  gfx::Bitmap back_;
};

}  // namespace tinto
