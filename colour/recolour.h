// Recolouring the heroine's pattern: the pixels of the pattern bitmap COLPTN that carry a
// colour index's key colour (its colour in the normal row) are ORed onto a destination in
// that index's colour of another row. The OR gives the exact colour because the destination
// is black beneath the pattern (the blank panel, or a black work area).
#pragma once

#include "colour/colour_model.h"
#include "gfx/bitmap.h"

namespace tinto {

// Which pattern pixels go where, in whose colours.
struct RecolourArea {
  int row = kNormalRow;  // the colour table row whose colours are painted
  gfx::Point to;         // top left of the destination
  gfx::Rect from;        // the region of the pattern
};

// Paints the pixels of colour indices 1..15 of the pattern region onto dest, in one pass
// over the region. Pixels of no index's key colour leave dest as it is; where indices share
// a key colour, their colours are ORed together.
void RecolourPattern(gfx::Bitmap& dest, const gfx::Bitmap& pattern, const ColourModel& colours,
                     const RecolourArea& area);

}  // namespace tinto
