// The desktop backend's clock: CLOCK_MONOTONIC, the time since the system started. The
// timers count its whole milliseconds (the tick count starts at the system's uptime, like
// the tick counter of the host game's platform); the loop sleeps to its nanosecond, so
// that a tick due at a millisecond runs at that millisecond, not up to one later.
#pragma once

#include <time.h>

#include <cstdint>

namespace tinto::sdl {

inline std::uint64_t MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint64_t>(ts.tv_sec) * 1000000000u +
         static_cast<std::uint64_t>(ts.tv_nsec);
}

inline std::uint64_t MonotonicMs() {
  return MonotonicNs() / 1000000u;
}

constexpr std::uint64_t kNsPerMs = 1000000;

}  // namespace tinto::sdl
