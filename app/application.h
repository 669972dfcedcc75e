// The application object: owns the single instances of the whole run (the skin, the
// random generator, the sound effects, the colour, points, viewer, music and clock state)
// and the five windows, and offers the operations every window uses.
#pragma once

#include <memory>
#include <string>

#include "clock/clock_state.h"
#include "colour/colour_model.h"
#include "files/program_folder.h"
#include "music/music_state.h"
#include "platform/platform.h"
#include "shell/random.h"
#include "shell/services.h"
#include "shell/skin.h"
#include "shell/sound_effects.h"
#include "unlock/points.h"
#include "viewer/viewer_record.h"

namespace tinto {

class TTintoMainFM;
class TTintoMessFM;
class TTintoColFM;
class TTintoPassFM;
class TTintoHelpFM;

inline constexpr const char* kApplicationTitle = "Quiro EDIT";

class Application final : public Services {
 public:
  explicit Application(Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the five windows in order: main (its start-up runs now), message, colour
  // picker, password, manual.
  void CreateWindows();

  Platform& platform() override { return platform_; }
  ProgramFolder& folder() override { return folder_; }
  Random& random() override { return random_; }
  Skin& skin() override { return skin_; }
  SoundEffects& effects() override { return effects_; }
  ClockState& clock() { return clock_; }
  ViewerRecord& viewer() { return viewer_; }
  MusicState& music() { return music_; }
  ColourModel& colours() { return colours_; }
  Points& points() { return points_; }

  TTintoMainFM& main_window() { return *main_; }
  TTintoMessFM& message_window() { return *message_; }

  bool closing() const override { return closing_; }
  // The main window is being destroyed.
  void BeginClosing() { closing_ = true; }

  void ShowNotice(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  void ShowManual() override;
  // The colour picker for part p of variant v.
  void ShowColourPicker(int v, int p);
  // The password window.
  void ShowPasswordWindow();
  bool AlarmRinging() const override { return clock_.AlarmRinging(); }
  void StopAlarm() override;
  void ReportError(const std::string& text) override { platform_.ShowError(text); }

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
  bool closing_ = false;

  std::unique_ptr<TTintoMainFM> main_;
  std::unique_ptr<TTintoMessFM> message_;
  std::unique_ptr<TTintoColFM> picker_;
  std::unique_ptr<TTintoPassFM> password_;
  std::unique_ptr<TTintoHelpFM> manual_;
};

}  // namespace tinto
