// What a window may ask of the program: the platform, the skin, the sound effects, the
// program folder, the random generator, whether the program is closing, the notices and
// questions of the message window, the manual, error reports and the alarm. The program
// object implements it; a window is given this and only the state it works on.
#pragma once

#include <string>

#include "files/program_folder.h"
#include "platform/platform.h"
#include "shell/random.h"
#include "shell/skin.h"
#include "shell/sound_effects.h"

namespace tinto {

class Services {
 public:
  virtual Platform& platform() = 0;
  virtual ProgramFolder& folder() = 0;
  virtual Random& random() = 0;
  virtual Skin& skin() = 0;
  virtual SoundEffects& effects() = 0;

  // Set when the main window is being destroyed: timers and close handlers then do
  // nothing.
  virtual bool closing() const = 0;

  // The message window.
  virtual void ShowNotice(const std::string& text) = 0;
  virtual bool AskOkCancel(const std::string& text) = 0;
  // The manual window.
  virtual void ShowManual() = 0;
  // Reports a failed file operation through the platform's standard error message.
  virtual void ReportError(const std::string& text) = 0;
  // A press while the countdown alarm rings only silences it.
  virtual bool AlarmRinging() const = 0;
  virtual void StopAlarm() = 0;

  void PlayEffect(int n) { effects().PlayEffect(n); }
  // Every window's press goes here first: while the alarm rings a press (any button) only
  // silences it and is taken; otherwise the press is the window's.
  bool PressSilencesAlarm() {
    if (!AlarmRinging()) return false;
    StopAlarm();
    return true;
  }

 protected:
  ~Services() = default;
};

}  // namespace tinto
