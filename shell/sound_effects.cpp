// Playing the numbered sound effects.
#include "shell/sound_effects.h"

#include "files/utf8_path.h"
#include "shell/pad.h"

namespace tinto {

std::string SoundEffects::EffectFileName(int n) {
  return "Y_q" + ZeroPad(2, n) + ".wav";
}

void SoundEffects::PlayEffect(int n) {
  sound_.PlayWave(Utf8FromPath(folder_.Resolve(EffectFileName(n))), false);
}

void SoundEffects::PrepareEffect(int n) {
  sound_.PrepareWave(Utf8FromPath(folder_.Resolve(EffectFileName(n))));
}

void SoundEffects::PlayEffectLoop(int n) {
  sound_.PlayWave(Utf8FromPath(folder_.Resolve(EffectFileName(n))), true);
}

void SoundEffects::PlayRandomEffect(const RandomEffect& effect) {
  if (random_.Below(effect.play_odds + effect.silent_odds) >= effect.play_odds) return;
  const bool first = random_.Below(effect.first_odds + effect.second_odds) < effect.first_odds;
  PlayEffect(first ? effect.first : effect.second);
}

}  // namespace tinto
