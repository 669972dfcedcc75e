// The colour tables and the operations on a variant: the constant tables agree with each
// other, entries are applied and captured at the right indices, and the reset/random
// cycle runs random, random, defaults.
#include "colour/colour_model.h"

#include <gtest/gtest.h>

#include <set>

#include "colour/colour_names.h"
#include "colour/colour_tables.h"
#include "gfx/sjis.h"

namespace tinto {
namespace {

Colour EntryColour(int part, int entry, int shade) {
  const Levels& l = FactoryPartColours[part][entry][shade];
  return {LevelToByte(l[0]), LevelToByte(l[1]), LevelToByte(l[2])};
}

// True when the row's colours at the part's indices are those of the part's entry.
bool RowHoldsEntry(const ColourRow& row, int part, int entry) {
  for (int s = 0; s < PartShades[part]; ++s) {
    if (row[PartColourIndex[part][s]] != EntryColour(part, entry, s)) return false;
  }
  return true;
}

TEST(ColourTables, DefaultRowsAreMadeOfTheParts) {
  for (int part = 0; part < kParts; ++part) {
    SCOPED_TRACE(part);
    EXPECT_TRUE(RowHoldsEntry(DefaultColours[1], part, 0));
    EXPECT_TRUE(RowHoldsEntry(DefaultColours[2], part, part == 0 ? 2 : part == 2 ? 1 : 3));
    if (part != 2) {
      EXPECT_TRUE(RowHoldsEntry(DefaultColours[3], part, part == 0 ? 3 : 1));
    }
  }
  // The 3P skin (bf:9d:76, d9:bf:99, ff:e9:bf) is no multiple of 17: no skin entry has it.
  EXPECT_EQ(DefaultColours[3][10], (Colour{0xbf, 0x9d, 0x76}));
  for (int e = 0; e < kNamedEntries; ++e) EXPECT_FALSE(RowHoldsEntry(DefaultColours[3], 2, e));
}

TEST(ColourTables, PartsShareNoIndexAndLeaveTheFourFreeOnes) {
  std::multiset<int> used;
  for (int part = 0; part < kParts; ++part) {
    for (int s = 0; s < kShades; ++s) {
      if (s < PartShades[part]) {
        used.insert(PartColourIndex[part][s]);
      } else {
        EXPECT_EQ(PartColourIndex[part][s], -1);
      }
    }
  }
  EXPECT_EQ(used, (std::multiset<int>{2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

TEST(ColourTables, InitialPartColoursHoldTheFactoryFreeColoursTwice) {
  const PartColours parts = InitialPartColours();
  for (int part = 0; part < kParts; ++part) {
    for (int f = 0; f < kFreeColours; ++f) {
      EXPECT_EQ(parts[part][21 + f], parts[part][16 + f]);
      EXPECT_EQ(parts[part][16 + f], FactoryPartColours[part][16 + f]);
    }
    for (int e = 0; e < kPartEntries; ++e) {
      for (int s = PartShades[part]; s < kShades; ++s) EXPECT_EQ(parts[part][e][s], (Levels{}));
    }
  }
  // The last entry of each part shows the text was read in step to its end.
  EXPECT_EQ(parts[2][20], (PartEntry{{{13, 10, 5}, {15, 12, 10}, {15, 13, 10}}}));
  EXPECT_EQ(parts[5][20], (PartEntry{{{4, 3, 7}, {6, 5, 8}, {0, 0, 0}}}));
  EXPECT_EQ(parts[1][16], (PartEntry{{{12, 8, 8}, {0, 0, 0}, {0, 0, 0}}}));
}

TEST(ColourNames, EveryNameFitsSixteenBytesOfShiftJis) {
  for (int part = 0; part < kParts; ++part) {
    for (int e = 0; e < kNamedEntries; ++e) {
      std::optional<std::string> sjis = gfx::Utf8ToSjis(ColourNames[part][e]);
      ASSERT_TRUE(sjis) << part << "/" << e;
      EXPECT_GT(sjis->size(), 0u);
      EXPECT_LE(sjis->size(), 16u) << ColourNames[part][e];
    }
    EXPECT_EQ(ColourNames[part][16], "フリーカラー１");
    EXPECT_EQ(ColourNames[part][20], "フリーカラー５");
  }
}

TEST(ColourModel, StartsEmptyAndLoadsDefaultsIntoRowsZeroToThree) {
  ColourModel model;
  for (const ColourRow& row : model.colour_table) EXPECT_EQ(row, ColourRow{});
  model.colour_table[kWorkRow][3] = {1, 2, 3};
  model.LoadDefaultColours();
  for (int r = 0; r < 4; ++r) EXPECT_EQ(model.colour_table[r], DefaultColours[r]);
  EXPECT_EQ(model.colour_table[kWorkRow][3], (Colour{1, 2, 3}));
  EXPECT_EQ(model.LookupColour(3, 10), 0x769dbfu);  // red + green * 256 + blue * 65536
  EXPECT_EQ(model.LookupColour(5, 0), 0u);
  EXPECT_EQ(model.LookupColour(0, 16), 0u);
}

TEST(ColourModel, ApplyEntryWritesOnlyThePartsIndices) {
  ColourModel model;
  model.LoadDefaultColours();
  const ColourRow before = model.colour_table[2];
  model.ApplyEntry(2, 5, 10);  // stockings: shade 0 at index 9, shade 1 at index 2
  for (int i = 0; i < kColoursPerRow; ++i) {
    if (i == 9) {
      EXPECT_EQ(model.colour_table[2][i], (Colour{0x11, 0x33, 0x77}));
    } else if (i == 2) {
      EXPECT_EQ(model.colour_table[2][i], (Colour{0x44, 0x55, 0x88}));
    } else {
      EXPECT_EQ(model.colour_table[2][i], before[i]) << i;
    }
  }
  model.part_colours[4][16][0] = {16, 0, 15};  // a level above 15 wraps when drawn
  model.ApplyEntry(2, 4, 16);
  EXPECT_EQ(model.colour_table[2][14], (Colour{16, 0, 255}));
}

TEST(ColourModel, CaptureEntryTakesLevelsIntoFreeColoursOnly) {
  ColourModel model;
  model.LoadDefaultColours();
  ASSERT_TRUE(model.CaptureEntry(3, 2, 17));  // the 3P skin into free colour 2
  EXPECT_EQ(model.part_colours[2][17], (PartEntry{{{11, 9, 6}, {12, 11, 9}, {15, 13, 11}}}));
  EXPECT_EQ(model.part_colours[2][22], FactoryPartColours[2][17]);  // factory value kept

  const PartColours before = model.part_colours;
  EXPECT_FALSE(model.CaptureEntry(3, 2, 0));   // a preset
  EXPECT_FALSE(model.CaptureEntry(3, 2, 21));  // a factory value
  EXPECT_FALSE(model.CaptureEntry(3, 6, 16));
  EXPECT_EQ(model.part_colours, before);
}

TEST(ColourModel, RandomiseDrawsOnlyTheOfferedEntriesWithCurrentFreeColours) {
  // Free colours set to a colour no preset can have (byte 16 is no multiple of 17).
  ColourModel model;
  for (auto& part : model.part_colours) {
    for (int f = 0; f < kFreeColours; ++f)
      part[16 + f] = {{{16, 16, 16}, {16, 16, 16}, {16, 16, 16}}};
  }
  Random random(7);
  for (int colours : {12, 16, 17, 21}) {
    bool free_drawn = false;
    for (int round = 0; round < 200; ++round) {
      model.RandomiseVariant(1, random, colours);
      const ColourRow& row = model.colour_table[3];
      for (int part = 0; part < kParts; ++part) {
        const bool is_free = row[PartColourIndex[part][0]] == Colour{16, 16, 16};
        free_drawn = free_drawn || is_free;
        bool offered = is_free;
        for (int e = 0; e < std::min(colours, 16); ++e)
          offered = offered || RowHoldsEntry(row, part, e);
        EXPECT_TRUE(offered) << colours;
      }
    }
    EXPECT_EQ(free_drawn, colours > 16) << colours;
  }
  EXPECT_EQ(model.colour_table[2], ColourRow{});  // the other variant untouched
}

TEST(ColourModel, CycleRunsRandomRandomDefaults) {
  ColourModel model;
  model.LoadDefaultColours();
  Random random(3);
  EXPECT_TRUE(model.CycleVariant(0, random, 21));
  EXPECT_TRUE(model.CycleVariant(0, random, 21));
  EXPECT_FALSE(model.CycleVariant(0, random, 21));
  EXPECT_EQ(model.colour_table[2], DefaultColours[2]);
  EXPECT_TRUE(model.CycleVariant(0, random, 21));
  EXPECT_EQ(model.variant_cycle[0], 1);

  // A variant with colours of its own starts with random too; the cycles are per variant.
  model.ApplyEntry(3, 1, 5);
  EXPECT_EQ(model.variant_cycle[1], 0);
  EXPECT_TRUE(model.CycleVariant(1, random, 12));
  EXPECT_EQ(model.variant_cycle[1], 1);
  EXPECT_EQ(model.variant_cycle[0], 1);
}

}  // namespace
}  // namespace tinto
