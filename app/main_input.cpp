// The main window's mouse, key and wheel input: the alarm check, the right button, the
// hotspot table of the left button in its order of testing, and dragging.
#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/main_hotspots.h"
#include "app/main_press.h"
#include "clock/countdown.h"
#include "colour/colour_file.h"
#include "platform/keys.h"
#include "shell/main_layout.h"
#include "shell/pad.h"

namespace tinto {

namespace {
constexpr int kHelpPictureTime = 4000;
constexpr int kAlarmNumberX = main_layout::kAlarmNumber.x;
constexpr int kAlarmNumberY = main_layout::kAlarmNumber.y;
// The point the space key presses: the tournament password button.
constexpr gfx::Point kSpacePoint{244, 265};
}  // namespace

void TTintoMainFM::FormMouseDown(MouseButton button, ShiftState shift, int X, int Y) {
  const int x = X - kSkinOffset.x;
  const int y = Y - kSkinOffset.y;
  if (app_.PressSilencesAlarm()) return;
  if (button == MouseButton::kRight) {
    // Photo-film and movie buttons toggle their availability; anywhere else the viewer
    // shows its placeholder.
    DoViewerRightButton(x, y);
    return;
  }
  if (button == MouseButton::kMiddle) return;
  // Photo-film and movie buttons take the left button only while available.
  const MainHotspot* hotspot = FindHotspot(
      kMainHotspots, x, y, [this](const MainHotspot& row) { return ViewerTakesPress(row); });
  if (hotspot != nullptr) {
    DoHotspot(*hotspot, shift);
    return;
  }
  drag_.Begin(platform_, window_);
}

void TTintoMainFM::DoHotspot(const MainHotspot& hotspot, ShiftState shift) {
  MainPress press(hotspot, app_.effects(), canvas_, platform_);
  press.Begin();
  Operate(hotspot, shift, press);
  press.Release();
}

// The operations; the row supplies the effect, the wait and the release (MainPress).
void TTintoMainFM::Operate(const MainHotspot& hotspot, ShiftState shift, MainPress& press) {
  using A = MainAction;
  ClockState& clock = app_.clock();
  switch (hotspot.action) {
    case A::kMinimise:
      press.Wait();
      platform_.MinimiseApplication();
      return;
    case A::kClose:
      press.Wait();
      Close();
      return;
    case A::kAlarmPreview:
      app_.effects().PlayAlarmSound(clock.alarm_sounds[static_cast<std::size_t>(clock.alarm_index)],
                                    clock.alarm_loop);
      return;
    case A::kAlarmPrevious:
      StepAlarmSound(-1);
      return;
    case A::kAlarmNext:
      StepAlarmSound(+1);
      return;
    case A::kAlarmLoop:
      clock.alarm_loop = !clock.alarm_loop;
      if (!clock.alarm_loop) app_.effects().StopAll();
      press.Report(clock.alarm_loop);
      return;
    case A::kMusicPlayStop:
    case A::kSongPrevious:
    case A::kSongNext:
    case A::kContinuousPlay:
      DoMusicHotspot(hotspot, press);
      return;
    case A::kPassword:
      press.Wait();
      app_.ShowPasswordWindow();
      return;
    case A::kZoom:
    case A::kSpeed:
    case A::kStepForward:
    case A::kStop:
    case A::kStepReverse:
    case A::kSpeedMinus:
    case A::kSpeedPlus:
    case A::kSpeedReset:
    case A::kPhotoFilm:
    case A::kPhotoFilmRotation:
    case A::kMovie:
    case A::kMovieSound:
    case A::kMovieRotation:
    case A::kWallpaper:
      DoViewerHotspot(hotspot, press);
      return;
    case A::kTimeOrDate:
      clock.date_mode = !clock.date_mode;
      press.Report(clock.date_mode);
      press.Release();
      if (clock.date_mode) {
        canvas_.DrawDate(main_layout::kClockDigits.x, main_layout::kClockDigits.y, platform_.Now());
      } else {
        canvas_.DrawTime(main_layout::kClockDigits.x, main_layout::kClockDigits.y, clock.hours,
                         clock.minutes, clock.seconds);
      }
      return;
    case A::kCountdownMinus:
    case A::kCountdownPlus: {
      const bool hour_step = shift.shift || shift.alt;
      if (hotspot.action == A::kCountdownMinus) {
        clock.countdown.StepDown(hour_step);
      } else {
        clock.countdown.StepUp(hour_step);
      }
      DrawCountdown();
      press.Report(hour_step);  // the row's two effects are the two steps'
      press.Release();
      clock.countdown.Start();
      return;
    }
    case A::kCountdownReset:
      clock.countdown.ClearTime();
      DrawCountdown();
      press.Wait();
      clock.countdown.Stop();
      return;
    case A::kPanelFigure:
    case A::kPanelLoad:
    case A::kPanelSave:
    case A::kPanelRandom:
    case A::kPanelPart:
      DoPanelHotspot(hotspot, press);
      return;
    case A::kHelp:
      ShowHelpPicture();
      return;
  }
}

void TTintoMainFM::DoPanelHotspot(const MainHotspot& hotspot, MainPress& press) {
  using A = MainAction;
  const int v = hotspot.arg;
  switch (hotspot.action) {
    case A::kPanelFigure:
      press.Report(preview_.TogglePose(v));
      return;
    case A::kPanelLoad:
      // Loading replaces both variants, so both panels are drawn again.
      press.Wait();
      LoadColours();
      preview_.RenderPreview(CharacterPreview::kBothPanels);
      press.Release();
      preview_.ShowPanel(CharacterPreview::kBothPanels);
      return;
    case A::kPanelSave:
      colours_changed_ = true;
      press.Wait();
      if (const FileResult r = SaveColourFile(app_.colours(), app_.folder()); !r.ok)
        app_.ReportError(r.error);
      return;
    case A::kPanelRandom:
      press.Report(app_.colours().CycleVariant(v, app_.random(), app_.points().ColoursPerPart()));
      press.Wait();
      preview_.RenderPreview(v);
      press.Release();
      preview_.ShowPanel(v);
      return;
    case A::kPanelPart:
      press.Wait();
      app_.ShowColourPicker(v, hotspot.arg2);
      preview_.RenderPreview(v);
      press.Release();
      preview_.ShowPanel(v);
      return;
    default:
      return;
  }
}

// The alarm sound before or after the current one, wrapping over the list; its number is
// drawn and the sound played.
void TTintoMainFM::StepAlarmSound(int step) {
  ClockState& clock = app_.clock();
  clock.alarm_index += step;
  if (clock.alarm_index < 10) clock.alarm_index = clock.last_index;
  if (clock.alarm_index > clock.last_index) clock.alarm_index = 10;
  const int entry = clock.alarm_sounds[static_cast<std::size_t>(clock.alarm_index)];
  canvas_.DrawNumber(kAlarmNumberX, kAlarmNumberY, entry, 2, 0);
  app_.effects().PlayAlarmSound(entry, clock.alarm_loop);
}

void TTintoMainFM::ShowHelpPicture() {
  viewer_.ClosePanel(false);
  const gfx::Bitmap& help = app_.skin()[kBase5];
  canvas_.surface().DrawOnWindowOnly(help, help.bounds(), kSkinOffset);
  app_.PlayEffect(2);
  while (platform_.ShowCursor(false) >= 0) {
  }
  Wait(kHelpPictureTime);
  platform_.ShowCursor(true);
  canvas_.PaintAll();
}

void TTintoMainFM::FormMouseMove(ShiftState, int, int) {
  drag_.Follow(platform_, window_);
}

void TTintoMainFM::FormMouseUp(MouseButton, ShiftState, int, int) {
  drag_.End();
}

void TTintoMainFM::FormKeyUp(int key, ShiftState shift) {
  if (key == vk::kSpace && !shift.any()) {
    FormMouseDown(MouseButton::kLeft, {}, kSpacePoint.x + kSkinOffset.x,
                  kSpacePoint.y + kSkinOffset.y);
  } else if (key == vk::kF1) {
    app_.ShowManual();
  }
}

void TTintoMainFM::FormMouseWheel(ShiftState, int, int, int) {
  app_.ShowManual();
}

}  // namespace tinto
