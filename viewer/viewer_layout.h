// Where the viewer's buttons lie on the main window's skin: the photo-film arc and the
// two zigzag rows of movie buttons (skin coordinates).
#pragma once

#include <array>

#include "gfx/geometry.h"

namespace tinto {

inline constexpr std::array<int, 10> kFX = {0, 1, 17, 33, 49, 65, 81, 97, 113, 129};
inline constexpr std::array<int, 10> kFY = {0, 1, 9, 17, 25, 33, 25, 17, 9, 1};
inline constexpr std::array<std::array<int, 10>, 2> kMY = {{
    {0, 1, 10, 1, 10, 1, 10, 1, 10, 1},
    {0, 25, 34, 25, 34, 25, 34, 25, 34, 25},
}};

constexpr gfx::Rect PhotoFilmBox(int n) {
  return {kFX[n] + 225, kFY[n] + 149, 15, 15};
}
constexpr gfx::Rect MovieBox(int r, int n) {
  return {kFX[n] + 241, kMY[r][n] + 199, 14, 15};
}

}  // namespace tinto
