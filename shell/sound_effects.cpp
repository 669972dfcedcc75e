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

void SoundEffects::PlayEffectLoop(int n) {
  sound_.PlayWave(Utf8FromPath(folder_.Resolve(EffectFileName(n))), true);
}

void SoundEffects::PlayRandomEffect(int a, int b, int first, int second, int p, int q) {
  if (random_.Below(a + b) >= a) return;
  PlayEffect(random_.Below(p + q) < p ? first : second);
}

}  // namespace tinto
