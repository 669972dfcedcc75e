// The viewer's frame clock: run every 10 ms and once at the start of every main tick, it
// calls the playback tick whenever the frame delay has passed since the last one.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace tinto {

struct FrameClock {
  std::uint32_t current_tick = 0;     // the tick count read by the last run
  std::uint32_t last_frame_tick = 0;  // when the playback tick last ran
  std::uint32_t frame_delay = 120;    // milliseconds
  bool paused = false;

  // Returns true when a playback tick is due now; the caller runs it and then calls
  // FrameDone. The unsigned difference keeps the clock right across the wrap of the tick
  // counter.
  bool Due(std::uint32_t now) {
    current_tick = now;
    if (paused) return false;
    return now - last_frame_tick >= frame_delay;
  }
  void FrameDone(std::uint32_t now) { last_frame_tick = now; }

  // Which of the coming 10 ms ticks can change anything: none while paused; while the
  // viewer is idle (closed, or a wallpaper whose opening is over) a due tick only keeps the
  // books; otherwise the first tick at or after the next frame.
  TickPlan Plan(bool viewer_idle) const {
    if (paused) return {TickPlan::Mode::kSkipAll, 0};
    if (viewer_idle) return {TickPlan::Mode::kReplayAll, 0};
    return {TickPlan::Mode::kSkipUntil, last_frame_tick + frame_delay};
  }
};

}  // namespace tinto
