// Note and noise synthesis for the demo sound effects (see synth.h).
#include "tools/demo_game/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace tinto::demo {

namespace {

struct Partial {
  double ratio;
  double level;
};

std::span<const Partial> Partials(Timbre timbre) {
  static constexpr Partial kSine[] = {{1, 1}};
  static constexpr Partial kBell[] = {
      {1, 1}, {2.0, 0.45}, {3.01, 0.25}, {4.17, 0.18}, {5.43, 0.08}};
  static constexpr Partial kMarimba[] = {{1, 1}, {3.93, 0.35}, {9.2, 0.06}};
  static constexpr Partial kSquare[] = {
      {1, 1}, {3, 1.0 / 3}, {5, 1.0 / 5}, {7, 1.0 / 7}, {9, 1.0 / 9}};
  static constexpr Partial kBrass[] = {{1, 1}, {2, 0.6}, {3, 0.45}, {4, 0.3}, {5, 0.2}, {6, 0.12}};
  static constexpr Partial kBuzz[] = {{1, 1},   {2, 0.8}, {3, 0.7},  {4, 0.6},
                                      {5, 0.5}, {6, 0.4}, {7, 0.35}, {8, 0.3}};
  switch (timbre) {
    case Timbre::kSine:
      return kSine;
    case Timbre::kBell:
      return kBell;
    case Timbre::kMarimba:
      return kMarimba;
    case Timbre::kSquare:
      return kSquare;
    case Timbre::kBrass:
      return kBrass;
    case Timbre::kBuzz:
      return kBuzz;
  }
  return kSine;
}

constexpr double kRate = kEffectSampleRate;
// Every note fades out over its last few milliseconds, so no note ends with a click.
constexpr double kReleaseMs = 6;

std::size_t SampleAt(double ms) {
  return static_cast<std::size_t>(std::lround(ms * kRate / 1000));
}

}  // namespace

double KeyHz(int key) {
  return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

Sound::Sound(int length_ms)
    : mix_(static_cast<std::size_t>(length_ms) * kEffectSampleRate / 1000) {}

void Sound::Add(const Note& note) {
  const std::size_t first = SampleAt(note.start_ms);
  if (first >= mix_.size()) return;
  // A note that would run past the end of the sound is shortened, so that it still fades
  // out instead of being cut off.
  const double length_ms = std::min(note.length_ms, (mix_.size() - first) * 1000.0 / kRate);
  const std::size_t count = SampleAt(length_ms);
  const double end_hz = note.end_hz > 0 ? note.end_hz : note.hz;
  const auto partials = Partials(note.timbre);
  std::vector<double> phases(partials.size(), 0.0);
  for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
    const double t_ms = i * 1000.0 / kRate;
    const double progress = count > 1 ? static_cast<double>(i) / (count - 1) : 0;
    const double hz = note.hz * std::pow(end_hz / note.hz, progress);  // glides evenly in pitch
    double envelope = note.level;
    if (t_ms < note.attack_ms) envelope *= t_ms / note.attack_ms;
    if (note.decay_ms > 0) envelope *= std::exp(-t_ms / note.decay_ms);
    const double left_ms = length_ms - t_ms;
    if (left_ms < kReleaseMs) envelope *= std::max(0.0, left_ms / kReleaseMs);
    double value = 0;
    for (std::size_t p = 0; p < partials.size(); ++p) {
      const double partial_hz = hz * partials[p].ratio;
      if (partial_hz >= kRate * 0.45) continue;  // keep clear of aliasing
      phases[p] += 2 * std::numbers::pi * partial_hz / kRate;
      value += partials[p].level * std::sin(phases[p]);
    }
    mix_[first + i] += envelope * value;
  }
}

void Sound::Noise(double start_ms, double length_ms, double level, double decay_ms) {
  const std::size_t first = SampleAt(start_ms);
  const std::size_t count = SampleAt(length_ms);
  double smooth = 0;
  for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
    noise_state_ = noise_state_ * 1664525u + 1013904223u;
    const double white = static_cast<double>(noise_state_ >> 8) / (1 << 24) * 2 - 1;
    smooth = 0.6 * smooth + 0.4 * white;  // a little softer than white noise
    const double t_ms = i * 1000.0 / kRate;
    mix_[first + i] += level * smooth * std::exp(-t_ms / decay_ms);
  }
}

std::vector<std::int16_t> Sound::Render(double peak) const {
  double loudest = 0;
  for (const double v : mix_) loudest = std::max(loudest, std::abs(v));
  const double scale = loudest > 0 ? peak * 32767 / loudest : 0;
  std::vector<std::int16_t> out(mix_.size());
  for (std::size_t i = 0; i < mix_.size(); ++i) {
    out[i] = static_cast<std::int16_t>(std::clamp(std::lround(mix_[i] * scale), -32767L, 32767L));
  }
  return out;
}

}  // namespace tinto::demo
