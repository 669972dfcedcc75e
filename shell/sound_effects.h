// Numbered sound effects: "Y_q" + two digits + ".wav" in the program folder, played
// asynchronously, one at a time (a new effect cuts the one sounding, a looping alarm
// included), silent when the file is missing.
#pragma once

#include <string>

#include "files/program_folder.h"
#include "platform/platform.h"
#include "shell/random.h"

namespace tinto {

class SoundEffects {
 public:
  SoundEffects(Sound& sound, const ProgramFolder& folder, Random& random)
      : sound_(sound), folder_(folder), random_(random) {}

  static std::string EffectFileName(int n);

  void PlayEffect(int n);
  void PlayEffectLoop(int n);
  // The alarm sounds loop while the alarm loop toggle is on.
  void PlayAlarmSound(int n, bool alarm_loop) { alarm_loop ? PlayEffectLoop(n) : PlayEffect(n); }
  void PlayEffectChoice(bool flag, int on_effect, int off_effect) {
    PlayEffect(flag ? on_effect : off_effect);
  }
  // With probability a / (a + b) an effect plays: first with probability p / (p + q),
  // otherwise second.
  void PlayRandomEffect(int a, int b, int first, int second, int p, int q);
  // Stops every sound effect.
  void StopAll() { sound_.StopWaves(); }

 private:
  Sound& sound_;
  const ProgramFolder& folder_;
  Random& random_;
};

}  // namespace tinto
