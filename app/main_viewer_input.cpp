// The main window's viewer buttons: the six speed levels, frame stepping, stop, the fine
// speed adjustment and its reset, zoom, the rotation and movie-sound switches, the
// photo-film and movie buttons, the wallpaper gallery, and the right button.
#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/main_hotspots.h"
#include "app/main_press.h"
#include "shell/pad.h"

namespace tinto {

bool TTintoMainFM::ViewerTakesPress(const MainHotspot& hotspot) const {
  const ViewerRecord& rec = viewer_.record();
  const auto n = static_cast<std::size_t>(hotspot.arg);
  if (hotspot.action == MainAction::kPhotoFilm) return rec.photo_available[n];
  if (hotspot.action == MainAction::kMovie)
    return rec.movie_available[static_cast<std::size_t>(hotspot.arg2)][n];
  return true;
}

void TTintoMainFM::DoViewerHotspot(const MainHotspot& hotspot, MainPress& press) {
  using A = MainAction;
  const ViewerRecord& rec = viewer_.record();
  switch (hotspot.action) {
    case A::kSpeed:
      viewer_.SelectSpeed(hotspot.arg);
      return;
    case A::kStepForward:
    case A::kStepReverse:
      viewer_.StepFrame(hotspot.action == A::kStepForward ? 1 : -1);
      return;
    case A::kStop:
      viewer_.StopViewer();
      return;
    case A::kSpeedMinus:
    case A::kSpeedPlus:
      viewer_.AdjustSpeed(hotspot.action == A::kSpeedPlus ? 1 : -1);
      return;
    case A::kSpeedReset:
      viewer_.ResetSpeed();
      return;
    case A::kZoom:
      viewer_.ToggleZoom();
      return;
    case A::kPhotoFilmRotation:
    case A::kMovieRotation: {
      const int group = hotspot.action == A::kPhotoFilmRotation ? 0 : hotspot.arg + 1;
      viewer_.ToggleRotation(group);
      press.Report(rec.rotation[static_cast<std::size_t>(group)]);
      return;
    }
    case A::kMovieSound:
      viewer_.ToggleMovieSound(hotspot.arg);
      press.Report(rec.movie_sound[static_cast<std::size_t>(hotspot.arg)]);
      return;
    case A::kPhotoFilm:
      viewer_.OpenPhotoFilm(hotspot.arg);
      return;
    case A::kMovie:
      viewer_.OpenMovie(hotspot.arg2, hotspot.arg);
      press.Release();
      app_.effects().PlayRandomEffect({.play_odds = 1,
                                       .silent_odds = 0,
                                       .first = 35,
                                       .second = 36,
                                       .first_odds = 1,
                                       .second_odds = 2});
      viewer_.RecordMovieUnlock(hotspot.arg2, hotspot.arg);
      return;
    case A::kWallpaper:
      viewer_.NextWallpaper();
      return;
    default:
      return;
  }
}

void TTintoMainFM::DoViewerRightButton(int x, int y) {
  for (int n = 1; n <= 9; ++n) {
    if (!PointInBox(x, y, PhotoFilmBox(n))) continue;
    viewer_.TogglePhotoFilmButton(n);
    return;
  }
  for (int row = 0; row <= 1; ++row) {
    for (int n = 1; n <= 9; ++n) {
      if (!PointInBox(x, y, MovieBox(row, n))) continue;
      viewer_.ToggleMovieButton(row, n);
      return;
    }
  }
  viewer_.ShowPlaceholder();
}

}  // namespace tinto
