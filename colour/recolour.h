// Recolouring the heroine's pattern: the pixels of one colour index of the pattern bitmap
// COLPTN, found by their key colour in the normal row, are ORed onto a destination in the
// colour of another row. The OR gives the exact colour because the destination is black
// beneath the pattern (the blank panel, or a black work area).
#pragma once

#include "colour/colour_model.h"
#include "gfx/bitmap.h"

namespace tinto {

// Paints the pixels of colour index `index` of the pattern region (sx, sy, w, h) onto dest
// at (dx, dy) in the colour of ColourTable row `row`.
void RecolourPart(gfx::Bitmap& dest, const gfx::Bitmap& pattern, const ColourModel& colours,
                  int row, int index, int dx, int dy, int sx, int sy, int w, int h);

}  // namespace tinto
