// Reading numbers back from a picture of the main window: each 5 x 5 digit cell is matched
// against the ten glyphs of a row of BASE1's digit strip (0 white, 1 red, 2 dark).
#pragma once

#include <string>

#include "gfx/bitmap.h"

namespace tinto::test {

// The digits drawn at skin point (x, y), count of them at a pitch of 6; '?' for a cell
// that is no glyph of that row.
inline std::string ReadDigits(const gfx::Bitmap& back, const gfx::Bitmap& base1, int x, int y,
                              int count, int row) {
  if (back.width() < 430 + 414 || base1.width() < 414) return "no picture";
  std::string digits;
  for (int i = 0; i < count; ++i) {
    char found = '?';
    for (int d = 0; d <= 9 && found == '?'; ++d) {
      bool same = true;
      for (int dy = 0; dy < 5 && same; ++dy)
        for (int dx = 0; dx < 5 && same; ++dx)
          same = back.at(430 + x + 6 * i + dx, y + dy) ==
                 base1.at(283 + 6 * d + dx, 279 + 5 * row + dy);
      if (same) found = static_cast<char>('0' + d);
    }
    digits.push_back(found);
  }
  return digits;
}

}  // namespace tinto::test
