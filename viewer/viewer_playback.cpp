// The playback tick: advancing photo films and movies frame by frame, the rotation from
// one item to the next over the three groups (photo films, NOMAL movies, HARD movies),
// and the movie's end sound.
#include "viewer/frame_strips.h"
#include "viewer/viewer.h"

namespace tinto {

namespace {
constexpr int kGroups = 3;
constexpr int kNone = 10;  // NextInGroup found nothing
}  // namespace

void Viewer::PlaybackTick() {
  switch (rec_.state) {
    case ViewerState::kClosed:
      return;
    case ViewerState::kPhotoFilm:
    case ViewerState::kPhotoFilmZoomed:
      AdvancePhotoFilm();
      DrawTickFrame();
      return;
    case ViewerState::kMovie:
    case ViewerState::kMovieZoomed:
      AdvanceMovie();
      DrawTickFrame();
      return;
    case ViewerState::kWallpaper:
      AdvanceWallpaper();
      return;
  }
}

bool Viewer::Available(int group, int m) const {
  if (group == 0) return rec_.photo_available[static_cast<std::size_t>(m)];
  return rec_.movie_available[static_cast<std::size_t>(group - 1)][static_cast<std::size_t>(m)];
}

void Viewer::OpenInGroup(int group, int m) {
  if (group == 0) {
    OpenPhotoFilm(m);
  } else {
    OpenMovie(group - 1, m);
  }
}

int Viewer::NextInGroup(int group, int k) {
  if (!rec_.rotation[static_cast<std::size_t>(group)]) return kNone;
  for (int m = k + 1; m <= 9; ++m) {
    if (!Available(group, m)) continue;
    OpenInGroup(group, m);
    return m;
  }
  return kNone;
}

int Viewer::PrevInGroup(int group, int k) {
  if (!rec_.rotation[static_cast<std::size_t>(group)]) return 0;
  for (int m = k - 1; m >= 1; --m) {
    if (!Available(group, m)) continue;
    OpenInGroup(group, m);
    return m;
  }
  return 0;
}

bool Viewer::RotationDue() {
  if (clock_.paused) return false;
  if (rec_.selected == MediaKind::kMovie) {
    // A movie plays four times through before rotation may move on.
    rec_.repeat_counter += rec_.speed_level > 0 ? 1 : -1;
    if (rec_.repeat_counter >= -3 && rec_.repeat_counter <= 3) return false;
  }
  return rec_.rotation[0] || rec_.rotation[1] || rec_.rotation[2];
}

void Viewer::AdvancePhotoFilm() {
  const int frames = FrameCount(rec_.photo_strip, kPhotoFilmStrip);
  if (rec_.speed_level > 0) {
    if (++rec_.frame < frames) return;
    if (RotationDue() && (NextInGroup(0, rec_.photo_film) != kNone || NextInGroup(1, 0) != kNone ||
                          NextInGroup(2, 0) != kNone || NextInGroup(0, 0) != kNone))
      return;
    rec_.frame = 0;
  } else {
    if (--rec_.frame >= 0) return;
    if (RotationDue() && (PrevInGroup(0, rec_.photo_film) != 0 || PrevInGroup(2, 10) != 0 ||
                          PrevInGroup(1, 10) != 0 || PrevInGroup(0, 10) != 0))
      return;
    rec_.frame = frames - 1;
  }
}

void Viewer::AdvanceMovie() {
  const int frames = FrameCount(rec_.movie_strip, kMovieStrip);
  const int row = rec_.movie_row;
  const int number = rec_.movie;
  const int own = row + 1;  // the movie's rotation group
  if (rec_.speed_level > 0) {
    if (++rec_.frame < frames) return;
    if (RotationDue() &&
        (NextInGroup(own, number) != kNone || NextInGroup((row + 2) % kGroups, 0) != kNone ||
         NextInGroup(row, 0) != kNone || NextInGroup(own, 0) != kNone))
      return;
    rec_.frame = 0;
  } else {
    if (--rec_.frame >= 0) return;
    if (RotationDue() && (PrevInGroup(own, number) != 0 || PrevInGroup(row, 10) != 0 ||
                          PrevInGroup((row + 2) % kGroups, 10) != 0 || PrevInGroup(own, 10) != 0))
      return;
    rec_.frame = frames - 1;
  }
  // The end of a pass: with the row's movie sound on, most passes end with a cheer.
  if (rec_.movie_sound[static_cast<std::size_t>(row)] && number > 0)
    app_.effects().PlayRandomEffect({.play_odds = 4,
                                     .silent_odds = 1,
                                     .first = 35,
                                     .second = 36,
                                     .first_odds = 2,
                                     .second_odds = 3});
}

}  // namespace tinto
