// The part buttons of a colour panel: contact lenses, lipstick, skin, costume, belt,
// stockings. Button p's icon lies 4 pixels right of and 3 below (kPX[p], kPY[p]), in the
// main skin and in the colour pattern alike.
#pragma once

#include <array>

#include "shell/main_layout.h"

namespace tinto {

inline constexpr std::array<int, 6> kPX = main_layout::kPartX;
inline constexpr std::array<int, 6> kPY = main_layout::kPartY;

}  // namespace tinto
