// The palettes of the skin bitmaps.
#include "tools/skin/palettes.h"

#include <limits>

namespace tinto::skin {

Palette MainPalette() {
  return {
      0x000000,  // black
      0x0A0C24,  // night
      0x1B1F4E,  // navy
      0x2E2B72,  // indigo
      0x5A45B4,  // violet
      0x9C8EEA,  // lavender
      0x565B7C,  // steel
      0xA6ACC6,  // silver
      0xE0E4F2,  // pearl
      0xFFFFFF,  // white
      0xFF4FA3,  // pink
      0xFFB4D8,  // blush
      0x40DCF2,  // cyan
      0xF02A3C,  // red
      0xC8F2E6,  // liquid-crystal face
      0x14343C,  // liquid-crystal ink
  };
}

Palette PatternPalette() {
  return {0x000000, 0x443322, 0x777766, 0x885577, 0xDDAACC, 0x00AA00, 0xEE4488, 0xFF77AA,
          0xFFCCDD, 0x666655, 0xCCBB99, 0xEEDDBB, 0xFFFFDD, 0xEEBBBB, 0x885544, 0xFFFFFF};
}

Palette MonoPalette() {
  return {0x000000, 0xFFFFFF};
}

Ink NearestInk(const Palette& palette, gfx::Pixel colour) {
  long best = std::numeric_limits<long>::max();
  Ink best_ink = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const long dr = gfx::RedOf(palette[i]) - gfx::RedOf(colour);
    const long dg = gfx::GreenOf(palette[i]) - gfx::GreenOf(colour);
    const long db = gfx::BlueOf(palette[i]) - gfx::BlueOf(colour);
    const long d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      best_ink = static_cast<Ink>(i);
    }
  }
  return best_ink;
}

}  // namespace tinto::skin
