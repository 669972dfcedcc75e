// Where the photo-film and movie buttons lie on the main skin: nine photo-film buttons on
// an arc and two zigzag rows (NOMAL, HARD) of nine movie buttons, each a box with a plate
// around it. The hotspot table, the buttons' redraw and the skin generator all read these.
#pragma once

#include <array>

#include "gfx/geometry.h"

namespace tinto::media_layout {

// Column offsets shared by both kinds of button, and the row offsets of each; index n-1
// for button n (1..9).
inline constexpr std::array<int, 9> kColumnX = {1, 17, 33, 49, 65, 81, 97, 113, 129};
inline constexpr std::array<int, 9> kFilmY = {1, 9, 17, 25, 33, 25, 17, 9, 1};
inline constexpr std::array<std::array<int, 9>, 2> kMovieY = {
    {{1, 10, 1, 10, 1, 10, 1, 10, 1}, {25, 34, 25, 34, 25, 34, 25, 34, 25}}};

inline constexpr gfx::Point kFilmOrigin = {225, 149};
inline constexpr gfx::Point kMovieOrigin = {241, 199};

// Photo-film button n (1..9): its 15 x 15 box and its plate.
constexpr gfx::Rect PhotoFilmBox(int n) {
  return {kColumnX[n - 1] + kFilmOrigin.x, kFilmY[n - 1] + kFilmOrigin.y, 15, 15};
}
constexpr std::array<gfx::Rect, 2> PhotoFilmLook(int n) {
  const gfx::Rect box = PhotoFilmBox(n);
  return {{box, {box.left - 2, box.top + 5, 19, 5}}};
}

// Movie button n (1..9) of row 0 (NOMAL) or 1 (HARD): its 14 x 15 box, its plate and the
// plate's rim.
constexpr gfx::Rect MovieBox(int row, int n) {
  return {kColumnX[n - 1] + kMovieOrigin.x, kMovieY[row][n - 1] + kMovieOrigin.y, 14, 15};
}
constexpr std::array<gfx::Rect, 3> MovieLook(int row, int n) {
  const gfx::Rect box = MovieBox(row, n);
  return {{box, {box.left - 2, box.top + 3, 18, 9}, {box.left - 3, box.top + 7, 20, 1}}};
}

}  // namespace tinto::media_layout
