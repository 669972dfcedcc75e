// Countdown arithmetic: the remaining time moves in steps of five minutes (an hour with
// Shift or Alt) and runs down one second per change of the wall-clock second. Kept apart
// from drawing so it can be tested directly.
#pragma once

#include "clock/clock_state.h"

namespace tinto {

// Adds to the countdown; past 24 hours it stops at 24:59:59.
void AddTime(ClockState& clock, int h, int m, int s);
// Subtracts from the countdown; below zero it stops at 00:00:00.
void SubtractTime(ClockState& clock, int h, int m, int s);

// The minus and plus buttons. Each returns the effect to play: 3 for an hour step, 0 for
// a five-minute step (which rounds the minutes to the nearest multiple of five first and
// sets the seconds to 6).
int StepCountdownDown(ClockState& clock, bool hour_step);
int StepCountdownUp(ClockState& clock, bool hour_step);

}  // namespace tinto
