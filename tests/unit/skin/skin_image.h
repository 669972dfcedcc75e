// Test helper: reads an embedded skin bitmap (an uncompressed palette-indexed Windows
// bitmap) into its header facts, palette and pixel indices, checking its format on the way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/geometry.h"

namespace tinto::skin_test {

struct SkinImage {
  std::string name;
  int width = 0;
  int height = 0;
  int bits = 0;
  bool bottom_up = false;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;      // as written in the header
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint8_t> index;     // top row first

  std::uint8_t at(int x, int y) const {
    return index[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(x)];
  }
  std::uint32_t colour(int x, int y) const { return palette[at(x, y)]; }
};

// The resource of type "BMP" with that name, decoded; a failed expectation describes what
// is wrong and the image comes back empty (width 0).
SkinImage LoadSkin(std::string_view name);

// True when the two images (of the same palette) agree on every pixel of the rectangle.
bool SameIn(const SkinImage& a, const SkinImage& b, gfx::Rect r);

}  // namespace tinto::skin_test
