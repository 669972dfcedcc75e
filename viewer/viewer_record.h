// The media viewer's record: what the viewer panel shows and how it plays, the photo
// films, movies and wallpapers it knows, and the three pictures it holds. The frame delay,
// the paused flag and the time of the last playback tick live in the main window's frame
// clock (shell/frame_clock.h).
#pragma once

#include <array>

#include "gfx/bitmap.h"

namespace tinto {

enum class ViewerState {
  kClosed = 0,
  kPhotoFilm = 1,
  kMovie = 2,
  kPhotoFilmZoomed = 3,
  kMovieZoomed = 4,
  kWallpaper = 5,
};

// The two kinds of frame strips; each keeps its own speed indices and zoom.
enum class MediaKind { kPhotoFilm = 0, kMovie = 1 };

// Speed levels run -3..-1 and 1..3; negative levels play in reverse.
inline constexpr int kMaxSpeedLevel = 3;
inline constexpr int kMaxSpeedIndex = 99;

// The start (and reset) speed index of a level: 20, 50 or 70 for levels ±1, ±2, ±3.
constexpr int DefaultSpeedIndex(int level) {
  const int magnitude = level < 0 ? -level : level;
  return magnitude == 1 ? 20 : magnitude == 3 ? 70 : 50;
}

struct ViewerRecord {
  ViewerState state = ViewerState::kClosed;
  MediaKind selected = MediaKind::kMovie;
  int photo_film = 0;  // 0..9; 0 is the placeholder
  int movie_row = 0;   // 0 NOMAL, 1 HARD
  int movie = 0;       // 0..9; 0 is the placeholder
  // The frame last advanced to: -1 (forward) or the frame count (reverse) right after an
  // opening, so that the first tick lands on the first frame.
  int frame = 0;
  int speed_level = 2;
  // speed_index[kind][level + 3], levels -3..3 (the entry for 0 is unused).
  std::array<std::array<int, 7>, 2> speed_index{
      {{70, 50, 20, 0, 20, 50, 70}, {70, 50, 20, 0, 20, 50, 70}}};
  int repeat_counter = 0;
  // Rotation groups: 0 photo films, 1 NOMAL movies, 2 HARD movies.
  std::array<bool, 3> rotation{};
  // Zoom per kind (photo films, movies).
  std::array<bool, 2> zoom{};
  // Set by every opening of a photo film or movie; the next draw made by a tick clears it
  // and draws nothing, since the opening has drawn that frame already.
  bool drawn_on_open = false;

  // Photo films 1..9 (index 0 unused) and movies 1..9 of both rows.
  std::array<bool, 10> photo_available{};
  std::array<std::array<bool, 10>, 2> movie_available{};
  // Per movie row: the highest n such that movies 1..n all existed at start-up, and the
  // host game's progress ("NOMAL", "HARD_" in its settings file).
  std::array<int, 2> complete_run{};
  std::array<int, 2> movie_progress{};
  // Movie sound per movie row (NOMAL, HARD).
  std::array<bool, 2> movie_sound{};

  // The wallpaper gallery.
  int first_wallpaper = 4;
  int last_wallpaper = 5;
  int installed_wallpapers = 3;
  int current_wallpaper = 4;
  bool wallpaper_loaded = false;  // the current wallpaper's picture was read (not blue)

  gfx::Bitmap photo_strip;
  gfx::Bitmap movie_strip;
  gfx::Bitmap wallpaper;

  int& SpeedIndex(MediaKind kind, int level) {
    const int column = level + kMaxSpeedLevel;
    return speed_index[static_cast<std::size_t>(kind)][static_cast<std::size_t>(column)];
  }
  bool& Zoom(MediaKind kind) { return zoom[static_cast<std::size_t>(kind)]; }
  // Releases the three pictures (the main window's destruction).
  void ReleasePictures() {
    photo_strip = {};
    movie_strip = {};
    wallpaper = {};
  }
};

}  // namespace tinto
