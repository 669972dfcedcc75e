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
  // Reads the effect ahead of its playing (see Sound::PrepareWave).
  void PrepareEffect(int n);
  void PlayEffectLoop(int n);
  // The alarm sounds loop while the alarm loop toggle is on.
  void PlayAlarmSound(int n, bool alarm_loop) { alarm_loop ? PlayEffectLoop(n) : PlayEffect(n); }
  void PlayEffectChoice(bool flag, int on_effect, int off_effect) {
    PlayEffect(flag ? on_effect : off_effect);
  }
  // With odds play_odds : silent_odds an effect plays: `first` at odds
  // first_odds : second_odds, otherwise `second`.
  struct RandomEffect {
    int play_odds = 1;
    int silent_odds = 0;
    int first = 0;
    int second = 0;
    int first_odds = 1;
    int second_odds = 0;
  };
  void PlayRandomEffect(const RandomEffect& effect);
  // Stops every sound effect.
  void StopAll() { sound_.StopWaves(); }

 private:
  Sound& sound_;
  const ProgramFolder& folder_;
  Random& random_;
};

}  // namespace tinto
