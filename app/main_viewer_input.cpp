// The main window's viewer buttons: the six speed levels, frame stepping, stop, the fine
// speed adjustment and its reset, zoom, the rotation and movie-sound switches, the
// photo-film and movie buttons, the wallpaper gallery, and the right button.
#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/main_hotspots.h"
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

// A switch just flipped: its on or off effect, the wait, and its look (lit when on).
void TTintoMainFM::ShowSwitch(bool on, int on_effect, int off_effect) {
  app_.effects().PlayEffectChoice(on, on_effect, off_effect);
  Wait(kPressDelay);
  canvas_.ShowToggle(on);
}

// The pressed look is already shown (DoHotspot); each row runs the rest of its sequence.
void TTintoMainFM::DoViewerHotspot(const MainHotspot& hotspot) {
  using A = MainAction;
  ViewerRecord& rec = viewer_.record();
  SoundEffects& effects = app_.effects();
  // Most rows: the effect, the operation, the wait that keeps the pressed look, release.
  const auto press = [&](int effect, auto operation, int delay) {
    effects.PlayEffect(effect);
    operation();
    if (delay > 0) Wait(delay);
    canvas_.ShowNormal();
  };
  switch (hotspot.action) {
    case A::kSpeed:
      press(
          2, [&] { viewer_.SelectSpeed(hotspot.arg); }, kPressDelay);
      return;
    case A::kStepForward:
    case A::kStepReverse:
      press(
          2, [&] { viewer_.StepFrame(hotspot.action == A::kStepForward ? 1 : -1); },
          kLongPressDelay);
      return;
    case A::kStop:  // its wait lies inside, between hiding the panel and closing
      press(
          2, [&] { viewer_.StopViewer(); }, 0);
      return;
    case A::kSpeedMinus:
    case A::kSpeedPlus:
      press(
          0, [&] { viewer_.AdjustSpeed(hotspot.action == A::kSpeedPlus ? 1 : -1); }, kPressDelay);
      return;
    case A::kSpeedReset:
      press(
          3, [&] { viewer_.ResetSpeed(); }, kPressDelay);
      return;
    case A::kZoom:
      viewer_.ToggleZoom();  // the opening redraws the zoom bar
      return;
    case A::kPhotoFilmRotation:
    case A::kMovieRotation: {
      const int group = hotspot.action == A::kPhotoFilmRotation ? 0 : hotspot.arg + 1;
      viewer_.ToggleRotation(group);
      ShowSwitch(rec.rotation[static_cast<std::size_t>(group)], 30, 31);
      return;
    }
    case A::kMovieSound:
      viewer_.ToggleMovieSound(hotspot.arg);
      ShowSwitch(rec.movie_sound[static_cast<std::size_t>(hotspot.arg)], 36, 51);
      return;
    case A::kPhotoFilm:
      press(
          1, [&] { viewer_.OpenPhotoFilm(hotspot.arg); }, 0);
      return;
    case A::kMovie:
      press(
          1, [&] { viewer_.OpenMovie(hotspot.arg2, hotspot.arg); }, 0);
      effects.PlayRandomEffect({.play_odds = 1,
                                .silent_odds = 0,
                                .first = 35,
                                .second = 36,
                                .first_odds = 1,
                                .second_odds = 2});
      viewer_.RecordMovieUnlock(hotspot.arg2, hotspot.arg);
      return;
    case A::kWallpaper:
      press(
          2, [&] { viewer_.NextWallpaper(); }, 0);
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
