// The picker's random / random / reset cycle of a part's offered free colours.
#pragma once

#include <array>

#include "colour/colour_model.h"
#include "shell/random.h"

namespace tinto {

// Per part, the position 0..2 in the cycle; 0 at start, kept between openings.
using FreeCycle = std::array<int, kParts>;

// Free colours 16 .. colours_per_part - 1 of the part go back to their factory values.
void ResetFreeColours(ColourModel& model, int part, int colours_per_part);

// One draw a among the offered entries 0 .. colours_per_part - 1; every offered free
// colour becomes entry a (a preset) or the factory value of free colour a.
void RandomiseFreeColours(ColourModel& model, int part, int colours_per_part, Random& random);

// Advances the part's position (1, 2, then 0); randomises (true) while it is not 0,
// resets (false) at 0.
bool CycleFreeColours(ColourModel& model, FreeCycle& cycle, int part, int colours_per_part,
                      Random& random);

}  // namespace tinto
