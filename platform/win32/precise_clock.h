// The Windows backend's clock and the pace of its waits.
//
// GetTickCount64, and every wait, move in steps of the system timer: about 15.6 ms unless
// a program asks for a finer one. That is too coarse for the viewer's 10 ms frame clock
// (two frames would come together, then none). The timers count the performance
// counter's whole milliseconds instead, and while the loop keeps sleeping for less than a
// step it asks for a 1 ms system timer, handing it back once it has slept long for a
// while (an idle program leaves the system's timer as it found it).
#pragma once

#include <cstdint>

#include "platform/win32/win32.h"

namespace tinto::win32 {

// Microseconds of the performance counter (since the system started).
inline std::uint64_t PreciseUs() {
  static const std::uint64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<std::uint64_t>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const auto c = static_cast<std::uint64_t>(counter.QuadPart);
  return c / frequency * 1000000u + c % frequency * 1000000u / frequency;
}

class SystemTimerPace {
 public:
  SystemTimerPace() = default;
  SystemTimerPace(const SystemTimerPace&) = delete;
  SystemTimerPace& operator=(const SystemTimerPace&) = delete;
  ~SystemTimerPace() {
    if (fine_) timeEndPeriod(1);
  }

  // Before a wait of timeout_ms.
  void BeforeWait(DWORD timeout_ms) {
    const std::uint64_t now = PreciseUs();
    if (timeout_ms < kCoarseStepMs) {
      last_short_wait_ = now;
      if (!fine_) fine_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    } else if (fine_ && now - last_short_wait_ > kHandBackAfterUs) {
      timeEndPeriod(1);
      fine_ = false;
    }
  }

 private:
  static constexpr DWORD kCoarseStepMs = 16;
  static constexpr std::uint64_t kHandBackAfterUs = 2000000;
  bool fine_ = false;
  std::uint64_t last_short_wait_ = 0;
};

}  // namespace tinto::win32
