// Dragging a window by the point where it was grabbed. The window follows the pointer in
// screen coordinates: it goes to its position at the press moved by the pointer's
// movement since the press, so that a window system that lags behind the moves can never
// make the grab point drift.
#pragma once

#include "platform/platform.h"

namespace tinto {

class WindowDrag {
 public:
  // At the press that starts the drag.
  // Where the desktop moves windows itself (a window manager that applies no position its
  // client asks for), it gets the drag and the window follows nothing here.
  void Begin(Platform& platform, WindowId window) {
    active_ = !platform.HandOverDrag(window);
    if (!active_) return;
    window_at_press_ = platform.WindowPosition(window);
    pointer_at_press_ = platform.PointerPosition();
  }
  // On every move of the pointer: nothing unless dragging.
  void Follow(Platform& platform, WindowId window) const {
    if (!active_) return;
    const gfx::Point pointer = platform.PointerPosition();
    platform.MoveWindow(window, {window_at_press_.x + pointer.x - pointer_at_press_.x,
                                 window_at_press_.y + pointer.y - pointer_at_press_.y});
  }
  void End() { active_ = false; }
  bool active() const { return active_; }

 private:
  bool active_ = false;
  gfx::Point window_at_press_{};
  gfx::Point pointer_at_press_{};
};

}  // namespace tinto
