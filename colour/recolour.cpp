// The recolouring primitive.
#include "colour/recolour.h"

#include <array>

namespace tinto {

void RecolourPattern(gfx::Bitmap& dest, const gfx::Bitmap& pattern, const ColourModel& colours,
                     const RecolourArea& area) {
  std::array<gfx::KeyPaint, kColoursPerRow - 1> keys;
  for (int index = 1; index < kColoursPerRow; ++index) {
    keys[static_cast<std::size_t>(index - 1)] = {
        .key = gfx::PixelFromColorRef(colours.LookupColour(kNormalRow, index)),
        .paint = gfx::PixelFromColorRef(colours.LookupColour(area.row, index))};
  }
  gfx::OrKeyColours(dest, area.to, pattern, area.from, keys);
}

}  // namespace tinto
