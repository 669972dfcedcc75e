// The droppable tunes: a bell melody over a bass in 4/4, and a marimba waltz in 3/4.
#include "tools/demo_game/drop_music.h"

#include <initializer_list>

#include "tools/demo_game/output_file.h"
#include "tools/demo_game/synth.h"
#include "tools/demo_game/wav_writer.h"

namespace tinto::demo {

namespace {

// A melody of keys (0 is a rest), one per step, each ringing for ring steps.
void Melody(Sound& s, std::initializer_list<int> keys, double step_ms, double ring, Timbre timbre,
            double level) {
  double at = 0;
  for (const int key : keys) {
    if (key != 0) {
      s.Add({.start_ms = at,
             .length_ms = step_ms * ring,
             .hz = KeyHz(key),
             .level = level,
             .timbre = timbre,
             .attack_ms = 4,
             .decay_ms = step_ms * ring / 2});
    }
    at += step_ms;
  }
}

std::vector<std::int16_t> BellTune() {
  constexpr double kStep = 250;  // eighths at 120 beats a minute
  Sound s(6000);
  Melody(s, {76, 79, 84, 79, 81, 79, 76, 0, 74, 77, 81, 77, 79, 77, 74, 0,
             72, 76, 79, 76, 77, 76, 72, 0, 71, 74, 79, 74, 72, 0,  0,  0},
         kStep / 1.333, 1.5, Timbre::kBell, 0.8);
  Melody(s, {48, 0, 48, 0, 43, 0, 43, 0, 45, 0, 45, 0, 41, 0, 43, 0,
             48, 0, 48, 0, 43, 0, 43, 0, 45, 0, 41, 0, 48, 0, 0,  0},
         kStep / 1.333, 1.8, Timbre::kSine, 0.9);
  return s.Render(0.8);
}

std::vector<std::int16_t> MarimbaWaltz() {
  constexpr double kBeat = 400;  // 150 beats a minute, three to a bar
  Sound s(7200);
  Melody(s, {67, 72, 76, 74, 72, 71, 69, 72, 77, 76, 74, 72, 71, 74, 79, 77, 76, 74, 72, 0},
         kBeat / 1.1, 1.2, Timbre::kMarimba, 0.9);
  Melody(s, {48, 55, 55, 53, 57, 57, 53, 57, 57, 55, 59, 59, 55, 59, 59, 48, 55, 52}, kBeat / 1.1,
         0.9, Timbre::kSine, 0.5);
  return s.Render(0.8);
}

}  // namespace

bool WriteDropMusic(const std::filesystem::path& folder) {
  return WriteFileAtomically(folder / kDropTunes[0], EncodeWav(BellTune(), kEffectSampleRate)) &&
         WriteFileAtomically(folder / kDropTunes[1], EncodeWav(MarimbaWaltz(), kEffectSampleRate));
}

}  // namespace tinto::demo
