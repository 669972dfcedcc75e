// The clock and countdown state shown in the right cell of the skin: the last clock
// reading, the date mode, the countdown and its alarm sound choice.
#pragma once

#include <array>
#include <cstdint>

#include "clock/countdown.h"

namespace tinto {

struct ClockState {
  // The last reading of the time of day, taken by every main tick.
  std::uint16_t hours = 0;
  std::uint16_t minutes = 0;
  std::uint16_t seconds = 0;
  std::uint16_t milliseconds = 0;
  // A value no reading has, so that the first main tick always draws the time.
  std::uint16_t last_seconds = 61;
  bool date_mode = false;

  Countdown countdown;

  // The alarm sounds: entry 10 is always effect 10; entries 11..last_index hold the
  // numbers 11..99 whose effect files exist, in ascending order.
  std::array<int, 100> alarm_sounds{};
  int last_index = 10;
  int alarm_index = 10;
  bool alarm_loop = false;

  bool AlarmRinging() const { return countdown.Ringing(); }
};

}  // namespace tinto
