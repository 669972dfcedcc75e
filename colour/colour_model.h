// The colour editor's run-time state: the colour table (the host game's background block,
// the normal colours, the 2P and 3P variants and the picker's work row), the part colours
// with their editable free colours, and the reset/random cycle of each variant; with the
// operations on them.
#pragma once

#include "colour/colour_types.h"
#include "gfx/bitmap.h"
#include "shell/random.h"

namespace tinto {

class ColourModel {
 public:
  // The colour table all zero, the part colours at their built-in values, both cycles 0.
  ColourModel();

  ColourTable colour_table{};
  PartColours part_colours{};
  VariantCycle variant_cycle{};

  // The colour at (row, index) as drawn: red + green * 256 + blue * 65536. 0 outside the
  // table.
  gfx::ColorRef LookupColour(int row, int index) const;

  // The part's shades of the entry become the colours of the part's indices in the row
  // (levels * 17); other indices are untouched. Does nothing for a row, part or entry
  // outside the tables.
  void ApplyEntry(int row, int part, int entry);

  // The reverse, into a free colour (entries 16..20 only, so the built-in presets and
  // factory values can never change): each shade of the entry becomes the row's colour at
  // the shade's index, each channel divided by 17. False (and nothing changed) for other
  // entries or an argument outside the tables.
  bool CaptureEntry(int row, int part, int entry);

  // Rows 0..3 become DefaultColours; row 4 is untouched.
  void LoadDefaultColours();

  // Variant v's row becomes its default row.
  void ResetVariant(int variant);

  // For each part in order, a fresh uniform draw among the entries offered
  // (0 .. colours_per_part - 1) is applied to variant v's row. Free colours are drawn with
  // their current values.
  void RandomiseVariant(int variant, Random& random, int colours_per_part);

  // One press of the variant's cycle button: from the defaults the cycle restarts at 1;
  // otherwise it advances 1, 2, 0. Randomises (true) while the position is not 0, resets
  // (false) at 0. From the defaults the presses give random, random, defaults, ...
  bool CycleVariant(int variant, Random& random, int colours_per_part);

 private:
  static bool ValidVariant(int variant) { return variant == 0 || variant == 1; }
};

}  // namespace tinto
