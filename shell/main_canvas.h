// Drawing on the main window: the back buffer, the pending rectangles that buttons are
// pressed and released with, the glyph-strip numbers and the ringing look of the
// countdown panel. Positions are skin coordinates; the skin lies at the skin offset.
#pragma once

#include <array>

#include "gfx/geometry.h"
#include "platform/platform.h"
#include "shell/glyphs.h"
#include "shell/skin.h"
#include "shell/window_surface.h"

namespace tinto {

// Window coordinate = skin coordinate + skin offset; the columns left of the skin are the
// viewer panel.
inline constexpr gfx::Point kSkinOffset{430, 0};
inline constexpr int kSkinWidth = 414;
inline constexpr int kSkinHeight = 410;

class MainCanvas {
 public:
  MainCanvas(Platform& platform, Skin& skin) : surface_(platform), skin_(skin) {}

  WindowSurface& surface() { return surface_; }
  const WindowSurface& surface() const { return surface_; }
  const Skin& skin() const { return skin_; }

  // The pending rectangles: at most five; a sixth or later overwrites the fifth.
  void BeginRects() { count_ = -1; }
  void AddRect(int x, int y, int width, int height);
  int rect_count() const { return count_ + 1; }
  gfx::Rect pending_source(int i) const { return pending_[static_cast<std::size_t>(i)].source; }

  // Copy every pending rectangle from skin slot 0, 1 or 2 into the back buffer, then onto
  // the window. The list stays as it is.
  void ShowNormal() { ShowFrom(kBase0); }
  void ShowPressed() { ShowFrom(kBase1); }
  void ShowDimmed() { ShowFrom(kBase2); }
  void ShowToggle(bool on) { on ? ShowDimmed() : ShowNormal(); }

  // BASE1's digit strip: row 0 white, 1 red, 2 dark.
  void DrawNumber(int x, int y, int value, int digits, int row);
  void DrawTime(int x, int y, int first, int second, int third);
  void DrawDate(int x, int y, const LocalTime& today);
  // A lamp row or number from a skin slot's strip; the strip's destination is in skin
  // coordinates.
  void DrawSkinGlyphs(int slot, GlyphStrip strip);

  // The ringing look of the countdown panel, on the window only.
  void ShowAlarmLit();
  void ShowAlarmNormal();

  // Copies a skin rectangle (skin coordinates) from a slot to the same place, into the
  // back buffer and onto the window.
  void CopySkin(int slot, gfx::Rect skin_rect);
  // Draws the whole back buffer onto the window.
  void PaintAll() { surface_.PresentAll(); }

 private:
  struct PendingRect {
    gfx::Rect destination;  // window coordinates
    gfx::Rect source;       // skin coordinates
  };
  void ShowFrom(int slot);

  WindowSurface surface_;
  Skin& skin_;
  std::array<PendingRect, 5> pending_{};
  int count_ = -1;  // index of the last used entry
};

}  // namespace tinto
