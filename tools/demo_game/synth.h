// A very small additive synthesizer for the demo sound effects: notes of a few timbres
// with an attack, an exponential decay and an optional pitch glide, and short noise
// bursts, mixed into a buffer of fixed length. Everything is computed from the inputs
// alone (the noise comes from a fixed-seed generator), so a sound comes out the same
// on every run.
#pragma once

#include <cstdint>
#include <vector>

namespace tinto::demo {

inline constexpr std::uint32_t kEffectSampleRate = 22050;

enum class Timbre {
  kSine,     // pure tone
  kBell,     // inharmonic partials: chimes and sparkles
  kMarimba,  // fundamental with a strong fourth partial: knocks and blips
  kSquare,   // odd harmonics: beeps
  kBrass,    // all harmonics falling off: the fanfare
  kBuzz,     // all harmonics, strong: refusals
};

struct Note {
  double start_ms = 0;
  double length_ms = 100;
  double hz = 440;
  double end_hz = 0;  // when not 0 the pitch glides to this by the end of the note
  double level = 1.0;
  Timbre timbre = Timbre::kSine;
  double attack_ms = 3;
  double decay_ms = 0;  // time constant of the exponential decay; 0 holds the level
};

// The frequency of a MIDI key number (69 is A at 440 Hz).
double KeyHz(int key);

class Sound {
 public:
  // A silent sound of exactly length_ms * 22.05 samples (length_ms a multiple of 20 makes
  // that a whole number).
  explicit Sound(int length_ms);

  void Add(const Note& note);
  // A burst of noise with an exponential decay.
  void Noise(double start_ms, double length_ms, double level, double decay_ms);

  // The samples, scaled so that the loudest one reaches peak (0..1).
  std::vector<std::int16_t> Render(double peak) const;

 private:
  std::vector<double> mix_;
  std::uint32_t noise_state_ = 12345;
};

}  // namespace tinto::demo
