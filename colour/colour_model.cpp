// The colour table operations: lookup, applying and capturing part entries, and the
// defaults / random cycle of a variant.
#include "colour/colour_model.h"

#include <algorithm>

#include "colour/colour_tables.h"

namespace tinto {
namespace {

bool ValidRow(int row) {
  return row >= 0 && row < kColourRows;
}
bool ValidPart(int part) {
  return part >= 0 && part < kParts;
}
bool ValidEntry(int entry) {
  return entry >= 0 && entry < kPartEntries;
}

}  // namespace

ColourModel::ColourModel() : part_colours(InitialPartColours()) {}

gfx::ColorRef ColourModel::LookupColour(int row, int index) const {
  if (!ValidRow(row) || index < 0 || index >= kColoursPerRow) return 0;
  const Colour& c = colour_table[row][index];
  return static_cast<gfx::ColorRef>(c.red) | (static_cast<gfx::ColorRef>(c.green) << 8) |
         (static_cast<gfx::ColorRef>(c.blue) << 16);
}

void ColourModel::ApplyEntry(int row, int part, int entry) {
  if (!ValidRow(row) || !ValidPart(part) || !ValidEntry(entry)) return;
  for (int s = 0; s < PartShades[part]; ++s) {
    const Levels& levels = part_colours[part][entry][s];
    colour_table[row][PartColourIndex[part][s]] = {LevelToByte(levels[0]), LevelToByte(levels[1]),
                                                   LevelToByte(levels[2])};
  }
}

bool ColourModel::CaptureEntry(int row, int part, int entry) {
  if (!ValidRow(row) || !ValidPart(part)) return false;
  if (entry < kFirstFreeEntry || entry >= kFirstFreeEntry + kFreeColours) return false;
  for (int s = 0; s < PartShades[part]; ++s) {
    const Colour& c = colour_table[row][PartColourIndex[part][s]];
    part_colours[part][entry][s] = {ByteToLevel(c.red), ByteToLevel(c.green), ByteToLevel(c.blue)};
  }
  return true;
}

void ColourModel::LoadDefaultColours() {
  std::copy(DefaultColours.begin(), DefaultColours.end(), colour_table.begin());
}

void ColourModel::ResetVariant(int variant) {
  if (!ValidVariant(variant)) return;
  const int row = VariantRow(variant);
  colour_table[row] = DefaultColours[row];
}

void ColourModel::RandomiseVariant(int variant, Random& random, int colours_per_part) {
  if (!ValidVariant(variant)) return;
  const int offered = std::clamp(colours_per_part, 1, kNamedEntries);
  for (int part = 0; part < kParts; ++part) {
    ApplyEntry(VariantRow(variant), part, random.Below(offered));
  }
}

bool ColourModel::CycleVariant(int variant, Random& random, int colours_per_part) {
  if (!ValidVariant(variant)) return false;
  const int row = VariantRow(variant);
  int& position = variant_cycle[variant];
  if (colour_table[row] == DefaultColours[row]) {
    position = 1;
  } else if (++position > 2) {
    position = 0;
  }
  if (position != 0) {
    RandomiseVariant(variant, random, colours_per_part);
    return true;
  }
  ResetVariant(variant);
  return false;
}

}  // namespace tinto
