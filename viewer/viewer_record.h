// The media viewer's record: what the viewer panel shows and how it plays.
#pragma once

#include <array>

namespace tinto {

enum class ViewerState {
  kClosed = 0,
  kPhotoFilm = 1,
  kMovie = 2,
  kPhotoFilmZoomed = 3,
  kMovieZoomed = 4,
  kWallpaper = 5,
};

struct ViewerRecord {
  ViewerState state = ViewerState::kClosed;
  // Rotation groups: 0 photo films, 1 NOMAL movies, 2 HARD movies.
  std::array<bool, 3> rotation{};
  // Movie sound per movie row (NOMAL, HARD).
  std::array<bool, 2> movie_sound{};
};

}  // namespace tinto
