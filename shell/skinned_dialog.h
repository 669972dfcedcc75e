// What the skinned dialog windows share: a window of fixed size with a back buffer it is
// painted from, shown modally at the centre of the screen, dragged by a press outside its
// buttons.
#pragma once

#include "platform/platform.h"
#include "shell/services.h"
#include "shell/window_drag.h"
#include "shell/window_surface.h"

namespace tinto {

class SkinnedDialog : public WindowEvents {
 public:
  ~SkinnedDialog() override;
  WindowId window() const { return window_; }
  WindowSurface& surface() { return surface_; }

  void OnPaint() override { surface_.PresentAll(); }
  const gfx::Bitmap* BackBuffer() const override { return &surface_.back(); }
  void OnMouseMove(ShiftState, int, int) override { drag_.Follow(platform_, window_); }
  void OnMouseUp(MouseButton, ShiftState, int, int) override { drag_.End(); }

 protected:
  SkinnedDialog(Services& services, WindowSpec spec);
  // Creates the window and a back buffer of its client size.
  void CreateWindowAndBuffer();
  // Centres the window on the screen and shows it modally; returns the modal result.
  int ShowCentredModal();
  void EndModal(int result);
  void BeginDrag() { drag_.Begin(platform_, window_); }

  Services& app_;
  Platform& platform_;
  WindowSpec spec_;
  WindowSurface surface_;
  WindowId window_ = 0;

 private:
  WindowDrag drag_;
};

}  // namespace tinto
