// The recolouring primitive.
#include "colour/recolour.h"

namespace tinto {

void RecolourPart(gfx::Bitmap& dest, const gfx::Bitmap& pattern, const ColourModel& colours, int row,
                  int index, int dx, int dy, int sx, int sy, int w, int h) {
  const gfx::Rect region{sx, sy, w, h};
  // Colour to one bit: exactly the key colour's pixels become 1.
  const gfx::Mask mask =
      gfx::MaskFromKey(pattern, region, gfx::PixelFromColorRef(colours.LookupColour(kNormalRow, index)));
  // One bit to colour: 1 becomes the row's colour, 0 black; ORed onto the destination.
  gfx::ExpandMask(dest, {dx, dy}, mask, region, gfx::MakePixel(0, 0, 0),
                  gfx::PixelFromColorRef(colours.LookupColour(row, index)), gfx::RasterOp::kOr);
}

}  // namespace tinto
