// The free-colour cycle of the colour picker.
#include "colour/free_colour_cycle.h"

namespace tinto {

void ResetFreeColours(ColourModel& model, int part, int colours_per_part) {
  auto& entries = model.part_colours[static_cast<std::size_t>(part)];
  for (int e = kFirstFreeEntry; e < colours_per_part && e < kNamedEntries; ++e) {
    const int factory = e + kFactoryOffset;
    entries[static_cast<std::size_t>(e)] = entries[static_cast<std::size_t>(factory)];
  }
}

void RandomiseFreeColours(ColourModel& model, int part, int colours_per_part, Random& random) {
  auto& entries = model.part_colours[static_cast<std::size_t>(part)];
  const int a = random.Below(colours_per_part);
  const PartEntry source =
      entries[static_cast<std::size_t>(a < kFirstFreeEntry ? a : a + kFactoryOffset)];
  for (int e = kFirstFreeEntry; e < colours_per_part && e < kNamedEntries; ++e) {
    entries[static_cast<std::size_t>(e)] = source;
  }
}

bool CycleFreeColours(ColourModel& model, FreeCycle& cycle, int part, int colours_per_part,
                      Random& random) {
  int& position = cycle[static_cast<std::size_t>(part)];
  position = position + 1 > 2 ? 0 : position + 1;
  if (position != 0) {
    RandomiseFreeColours(model, part, colours_per_part, random);
    return true;
  }
  ResetFreeColours(model, part, colours_per_part);
  return false;
}

}  // namespace tinto
