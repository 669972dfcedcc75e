// A pattern region's runs found once: painted in any row they give RecolourPattern's
// pixels, and they no longer fit once the key colours, the region or the pattern change.
#include "colour/recolour.h"

#include <gtest/gtest.h>

#include "colour/colour_tables.h"

namespace tinto {
namespace {

TEST(PatternRuns, PaintLikeRecolourPatternAndStopFittingWhenTheirSourceChanges) {
  ColourModel colours;
  for (std::size_t row = 0; row < DefaultColours.size(); ++row)
    colours.colour_table[row] = DefaultColours[row];
  for (std::size_t i = 0; i < kColoursPerRow; ++i)
    colours.colour_table[kWorkRow][i] = {static_cast<std::uint8_t>(17 * i), 40, 200};
  colours.colour_table[kNormalRow][7] = colours.colour_table[kNormalRow][6];  // a shared key
  // Pattern pixels of the key colours of indices 1..9 and of no index.
  gfx::Bitmap pattern(9, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x)
      pattern.set(x, y,
                  (x + y) % 5 == 4 ? gfx::MakePixel(1, 2, 3)
                                   : gfx::PixelFromColorRef(
                                         colours.LookupColour(kNormalRow, 1 + (x / 2 + y) % 9)));
  const gfx::Rect from{1, 0, 7, 4};
  const PatternRuns runs(pattern, colours, from);
  for (const int row : {2, 3, kWorkRow}) {
    const gfx::Bitmap start(10, 6, gfx::MakePixel(0, 0, 16));
    gfx::Bitmap want = start;
    RecolourPattern(want, pattern, colours, {.row = row, .to = {2, 1}, .from = from});
    gfx::Bitmap got = start;
    runs.Paint(got, colours, row, {2, 1});
    EXPECT_EQ(got, want) << "row " << row;
  }
  EXPECT_TRUE(runs.Fits(pattern, colours, from));
  EXPECT_FALSE(runs.Fits(pattern, colours, {0, 0, 7, 4}));
  const gfx::Bitmap copy = pattern;
  EXPECT_FALSE(runs.Fits(copy, colours, from));
  ColourModel other_keys = colours;
  other_keys.colour_table[kNormalRow][3].red ^= 1;
  EXPECT_FALSE(runs.Fits(pattern, other_keys, from));
  ColourModel other_paints = colours;
  other_paints.colour_table[kWorkRow][3].red ^= 1;
  EXPECT_TRUE(runs.Fits(pattern, other_paints, from));
}

}  // namespace
}  // namespace tinto
