// The main skin's geometry as the generator sees it: the window's own layout (the cells,
// panels, glyph strip, lamps, numbers, photo-film and movie buttons), where the colour
// pattern's pieces land, and the rectangles whose looks the pressed skin (one per hotspot
// row) and the alternate skin hold.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "app/main_hotspots.h"
#include "gfx/geometry.h"
#include "shell/main_layout.h"
#include "viewer/media_layout.h"

namespace tinto::skin::main_layout {

using namespace tinto::main_layout;   // NOLINT(google-build-using-namespace)
using namespace tinto::media_layout;  // NOLINT(google-build-using-namespace)

// What only the generator needs: where the heroine's pose and the part icons of the colour
// pattern land. Everything else comes from the window's own layout.
inline constexpr gfx::Point kFigureAt = {93, 13};  // where a pose of the pattern lands
inline constexpr int kFigureWidth = 74;
inline constexpr int kFigureHeight = 176;
inline constexpr gfx::Rect kIconArea = {36, 42, 55, 117};  // same place in pattern and skin

// The rectangles of every pressed look of the hotspot table, row by row.
std::vector<gfx::Rect> PressedRects(std::span<const MainHotspot> hotspots);

// The rectangles that the alternate skin gives a look of their own: lit toggles, the lit
// zoom bar, the date layout of the clock, the ringing countdown panel and its label, and
// the places of unavailable photo-film and movie buttons.
std::vector<gfx::Rect> AlternateRects();

}  // namespace tinto::skin::main_layout
