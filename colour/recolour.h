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

// One pattern region recoloured many times in different rows' colours (the picker's
// swatches of a part: one icon, one set of key colours, a colour per entry). The region's
// runs of key colours are found once; each Paint then only fills them.
class PatternRuns {
 public:
  PatternRuns() = default;
  // The runs of region `from` of the pattern, for the key colours of colours' normal row.
  PatternRuns(const gfx::Bitmap& pattern, const ColourModel& colours, gfx::Rect from);

  // Whether these are the runs of that region of that pattern for colours' key colours.
  bool Fits(const gfx::Bitmap& pattern, const ColourModel& colours, gfx::Rect from) const;

  // The pixels RecolourPattern(dest, pattern, colours, {row, to, from}) paints.
  void Paint(gfx::Bitmap& dest, const ColourModel& colours, int row, gfx::Point to) const;

 private:
  const gfx::Bitmap* pattern_ = nullptr;
  gfx::Rect from_;
  ColourRow keys_{};
  gfx::KeyRuns runs_;
};

}  // namespace tinto
