// The application object: owns the single instances of the whole run (the skin, the
// random generator, the sound effects, the colour, points, viewer, music and clock state)
// and the five windows, and offers the operations every window uses.
#pragma once

#include <memory>
#include <string>

#include "app/random.h"
#include "app/skin.h"
#include "app/sound_effects.h"
#include "clock/clock_state.h"
#include "colour/colour_model.h"
#include "files/program_folder.h"
#include "music/music_state.h"
#include "platform/platform.h"
#include "unlock/points.h"
#include "viewer/viewer_record.h"

namespace tinto {

class TTintoMainFM;
class TTintoMessFM;
class TTintoColFM;
class TTintoPassFM;
class TTintoHelpFM;

inline constexpr const char* kApplicationTitle = "Quiro EDIT";

class Application {
 public:
  explicit Application(Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the five windows in order: main (its start-up runs now), message, colour
  // picker, password, manual.
  void CreateWindows();

  Platform& platform() { return platform_; }
  ProgramFolder& folder() { return folder_; }
  Random& random() { return random_; }
  Skin& skin() { return skin_; }
  SoundEffects& effects() { return effects_; }
  ClockState& clock() { return clock_; }
  ViewerRecord& viewer() { return viewer_; }
  MusicState& music() { return music_; }
  ColourModel& colours() { return colours_; }
  Points& points() { return points_; }

  TTintoMainFM& main_window() { return *main_; }
  TTintoMessFM& message_window() { return *message_; }

  // Set when the main window is being destroyed: timers and close handlers then do
  // nothing.
  bool closing = false;

  // The message window.
  void ShowNotice(const std::string& text);
  bool AskOkCancel(const std::string& text);
  // The manual window.
  void ShowManual();
  // The colour picker for part p of variant v.
  void ShowColourPicker(int v, int p);
  // The password window.
  void ShowPasswordWindow();
  // A press while the countdown alarm rings only silences it.
  bool AlarmRinging() const { return clock_.AlarmRinging(); }
  void StopAlarm();
  // Every window's press goes here first: while the alarm rings a press (any button) only
  // silences it and is taken; otherwise the press is the window's.
  bool PressSilencesAlarm() {
    if (!AlarmRinging()) return false;
    StopAlarm();
    return true;
  }
  void PlayEffect(int n) { effects_.PlayEffect(n); }
  // Reports a failed file operation through the platform's standard error message.
  void ReportError(const std::string& text) { platform_.ShowError(text); }

 private:
  Platform& platform_;
  ProgramFolder folder_;
  Random random_;
  Skin skin_;
  SoundEffects effects_;
  ClockState clock_;
  ViewerRecord viewer_;
  MusicState music_;
  ColourModel colours_;
  Points points_;

  std::unique_ptr<TTintoMainFM> main_;
  std::unique_ptr<TTintoMessFM> message_;
  std::unique_ptr<TTintoColFM> picker_;
  std::unique_ptr<TTintoPassFM> password_;
  std::unique_ptr<TTintoHelpFM> manual_;
};

}  // namespace tinto
