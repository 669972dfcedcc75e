// The part buttons of a colour panel: contact lenses, lipstick, skin, costume, belt,
// stockings. Button p's icon lies 4 pixels right of and 3 below (kPX[p], kPY[p]), in the
// main skin and in the colour pattern alike.
#pragma once

#include <array>

namespace tinto {

inline constexpr std::array<int, 6> kPX = {61, 32, 61, 61, 32, 61};
inline constexpr std::array<int, 6> kPY = {39, 54, 69, 105, 120, 135};

}  // namespace tinto
