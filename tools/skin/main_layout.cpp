// The rectangles of the main skin's pressed looks (read from the hotspot table) and of its
// alternate looks.
#include "tools/skin/main_layout.h"

namespace tinto::skin::main_layout {

std::vector<gfx::Rect> PressedRects(std::span<const MainHotspot> hotspots) {
  std::vector<gfx::Rect> rects;
  for (const MainHotspot& row : hotspots) {
    const auto count = static_cast<std::size_t>(row.pressed_count);
    rects.insert(rects.end(), row.pressed.begin(), row.pressed.begin() + static_cast<long>(count));
  }
  return rects;
}

std::vector<gfx::Rect> AlternateRects() {
  std::vector<gfx::Rect> rects = {
      {320, 251, 15, 10},                      // alarm loop on
      {278, 251, 15, 10},                      // continuous play on
      {223, 165, 15, 10},                      // photo-film rotation on
      {219, 201, 15, 10},                      // movie rotation on, both rows
      {219, 225, 15, 10}, {207, 206, 12, 11},  // movie sound on, both rows
      {207, 230, 12, 11},
      kClockFace,       // date layout
      kZoomBar,         // zoomed
      kCountdownPanel,  // ringing
      kTimerLabel,
  };
  for (int n = 1; n <= 9; ++n) {
    const auto look = PhotoFilmLook(n);
    rects.insert(rects.end(), look.begin(), look.end());
  }
  for (int row = 0; row < 2; ++row) {
    for (int n = 1; n <= 9; ++n) {
      const auto look = MovieLook(row, n);
      rects.insert(rects.end(), look.begin(), look.end());
    }
  }
  return rects;
}

}  // namespace tinto::skin::main_layout
