// The start-up wallpapers in the skin's style: a stage of navy and violet hexagon cells
// under pink and cyan lights, sparkles, the title and the heroine in one of her two dance
// poses. Numbers 4 and 5 are the program's secret wallpapers (resources WALLB4, WALLB5 and
// their small twins WALLS4, WALLS5); 1 to 3 stand in for the host game's own, for the demo
// folder.
#pragma once

#include "gfx/bitmap.h"
#include "tools/skin/colour_pattern.h"

namespace tinto::skin {

inline constexpr int kBigWallpaperWidth = 640;
inline constexpr int kBigWallpaperHeight = 480;

// The 640 x 480 wallpaper number n (1..5).
gfx::Bitmap DrawWallpaper(const ColourPattern& pattern, int n);

// The picture at half its size, each pixel the mean of a 2 x 2 block (the small
// wallpaper, 320 x 240, from the big one).
gfx::Bitmap HalfSize(const gfx::Bitmap& picture);

}  // namespace tinto::skin
