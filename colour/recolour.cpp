// The recolouring primitive.
#include "colour/recolour.h"

namespace tinto {

void RecolourPart(gfx::Bitmap& dest, const gfx::Bitmap& pattern, const ColourModel& colours,
                  int row, int index, int dx, int dy, int sx, int sy, int w, int h) {
  // Exactly the key colour's pixels take the row's colour, ORed onto the destination
  // (colour to one bit and back, in one pass).
  gfx::OrKeyColour(dest, {dx, dy}, pattern, {sx, sy, w, h},
                   gfx::PixelFromColorRef(colours.LookupColour(kNormalRow, index)),
                   gfx::PixelFromColorRef(colours.LookupColour(row, index)));
}

}  // namespace tinto
