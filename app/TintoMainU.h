// The main window: the skinned three-hexagon window with the colour panels, the viewer
// transport, the clock, the music player and the countdown.
#pragma once

#include "colour/preview.h"
#include "gfx/region.h"
#include "music/music_player.h"
#include "platform/platform.h"
#include "shell/frame_clock.h"
#include "shell/main_canvas.h"
#include "shell/window_drag.h"
#include "viewer/viewer.h"

namespace tinto {

class Application;
struct MainHotspot;
class MainPress;

class TTintoMainFM : public WindowEvents {
 public:
  explicit TTintoMainFM(Application& app);
  ~TTintoMainFM() override;

  WindowId window() const { return window_; }
  MainCanvas& canvas() { return canvas_; }
  CharacterPreview& preview() { return preview_; }
  const MainCanvas& canvas() const { return canvas_; }
  FrameClock& frame_clock() { return frame_clock_; }
  Viewer& viewer() { return viewer_; }
  MusicPlayer& music_player() { return music_player_; }
  const gfx::Region& region_union() const { return region_union_; }
  bool colours_changed() const { return colours_changed_; }
  void set_colours_changed(bool on) { colours_changed_ = on; }

  // Creates the window and runs the start-up.
  void FormCreate();
  // Closes the main window, which ends the program (the close is never refused).
  void Close();

  // Window events.
  void OnPaint() override { FormPaint(); }
  void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
    FormMouseDown(button, shift, x, y);
  }
  void OnMouseMove(ShiftState shift, int x, int y) override { FormMouseMove(shift, x, y); }
  void OnMouseUp(MouseButton button, ShiftState shift, int x, int y) override {
    FormMouseUp(button, shift, x, y);
  }
  void OnKeyUp(int vk, ShiftState shift) override { FormKeyUp(vk, shift); }
  void OnMouseWheel(ShiftState shift, int delta, int x, int y) override {
    FormMouseWheel(shift, delta, x, y);
  }
  void OnCloseRequest() override { Close(); }
  void OnDropFiles(const std::vector<std::string>& paths) override { FormDropFiles(paths); }
  const gfx::Bitmap* BackBuffer() const override { return &canvas_.surface().back(); }

  void FormShow();
  void FormPaint();
  void FormClose();
  void FormDestroy();
  void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
  void FormMouseMove(ShiftState shift, int x, int y);
  void FormMouseUp(MouseButton button, ShiftState shift, int x, int y);
  void FormKeyUp(int vk, ShiftState shift);
  void FormMouseWheel(ShiftState shift, int delta, int x, int y);
  // Music files dropped on the window go into the stock (main_music.cpp).
  void FormDropFiles(const std::vector<std::string>& paths);
  void Timer1Timer();
  void Timer2Timer();

 private:
  // Which of the coming main ticks can change anything (see main_timers.cpp).
  TickPlan MainTickPlan();
  void StartUp();
  void BuildAlarmSoundList();
  void TakeCommandLineMusic();
  void PlaceWindow();
  void ShapeWindow();
  void ApplyRegion();
  bool HostGameRunning();
  // The effect the main window shows itself with, at its first tick.
  static constexpr int kStartUpEffect = 11;
  void FirstTick();
  // A press on a hotspot row: its look, effect, wait and release around its operation.
  void DoHotspot(const MainHotspot& hotspot, ShiftState shift);
  void Operate(const MainHotspot& hotspot, ShiftState shift, MainPress& press);
  void Wait(int ms);
  void ShowHelpPicture();
  void StepAlarmSound(int step);
  void DoPanelHotspot(const MainHotspot& hotspot, MainPress& press);
  // The viewer's buttons (main_viewer_input.cpp): the transport, the photo-film and movie
  // buttons and switches, the gallery; and the right button.
  bool ViewerTakesPress(const MainHotspot& hotspot) const;
  void DoViewerHotspot(const MainHotspot& hotspot, MainPress& press);
  void DoViewerRightButton(int x, int y);
  void DoMusicHotspot(const MainHotspot& hotspot, MainPress& press);
  // The countdown alarm closes the viewer.
  void CloseViewerForAlarm();
  // The remaining time of the countdown, in its digits.
  void DrawCountdown();
  void LoadColours();

  Application& app_;
  Platform& platform_;
  MainCanvas canvas_;
  CharacterPreview preview_;
  FrameClock frame_clock_;
  MusicPlayer music_player_;
  WindowId window_ = 0;
  TimerId timer1_ = 0;
  TimerId timer2_ = 0;
  int width_ = 0;
  int height_ = 0;
  gfx::Region region_union_;  // the master copy; the window gets fresh copies
  Viewer viewer_;
  bool colours_changed_ = false;
  WindowDrag drag_;
  bool first_tick_ = true;
  bool closed_ = false;
};

}  // namespace tinto
