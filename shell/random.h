// The program's single random generator, seeded once at start-up. A linear congruential
// generator: small, fast and the same on every platform, so a seeded run repeats exactly.
#pragma once

#include <cstdint>

namespace tinto {

class Random {
 public:
  explicit Random(std::uint32_t seed = 1) : state_(seed) {}
  void Seed(std::uint32_t seed) { state_ = seed; }
  // A uniform integer in 0 .. range - 1 (0 when range is 0 or less).
  int Below(int range) {
    state_ = state_ * 0x08088405u + 1u;
    if (range <= 0) return 0;
    return static_cast<int>(
        (static_cast<std::uint64_t>(state_) * static_cast<std::uint32_t>(range)) >> 32);
  }

 private:
  std::uint32_t state_;
};

}  // namespace tinto
