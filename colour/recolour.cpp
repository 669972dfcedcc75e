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

PatternRuns::PatternRuns(const gfx::Bitmap& pattern, const ColourModel& colours, gfx::Rect from)
    : pattern_(&pattern), from_(from), keys_(colours.colour_table[kNormalRow]) {
  std::array<gfx::Pixel, kColoursPerRow - 1> keys;
  for (int index = 1; index < kColoursPerRow; ++index) {
    keys[static_cast<std::size_t>(index - 1)] =
        gfx::PixelFromColorRef(colours.LookupColour(kNormalRow, index));
  }
  runs_ = gfx::KeyRuns(pattern, from, keys);
}

bool PatternRuns::Fits(const gfx::Bitmap& pattern, const ColourModel& colours,
                       gfx::Rect from) const {
  return pattern_ == &pattern && from_ == from && keys_ == colours.colour_table[kNormalRow];
}

void PatternRuns::Paint(gfx::Bitmap& dest, const ColourModel& colours, int row,
                        gfx::Point to) const {
  std::array<gfx::Pixel, kColoursPerRow - 1> paints;
  for (int index = 1; index < kColoursPerRow; ++index) {
    paints[static_cast<std::size_t>(index - 1)] =
        gfx::PixelFromColorRef(colours.LookupColour(row, index));
  }
  runs_.Or(dest, to, paints);
}

}  // namespace tinto
