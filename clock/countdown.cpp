// Countdown arithmetic.
#include "clock/countdown.h"

namespace tinto {

void AddTime(ClockState& c, int h, int m, int s) {
  c.countdown_seconds += s;
  if (c.countdown_seconds > 59) {
    c.countdown_seconds -= 60;
    c.countdown_minutes += 1;
  }
  c.countdown_minutes += m;
  if (c.countdown_minutes > 59) {
    c.countdown_minutes -= 60;
    c.countdown_hours += 1;
  }
  c.countdown_hours += h;
  if (c.countdown_hours > 24) {
    c.countdown_hours = 24;
    c.countdown_minutes = 59;
    c.countdown_seconds = 59;
  }
}

void SubtractTime(ClockState& c, int h, int m, int s) {
  c.countdown_seconds -= s;
  if (c.countdown_seconds < 0) {
    c.countdown_seconds += 60;
    c.countdown_minutes -= 1;
  }
  c.countdown_minutes -= m;
  if (c.countdown_minutes < 0) {
    c.countdown_minutes += 60;
    c.countdown_hours -= 1;
  }
  c.countdown_hours -= h;
  if (c.countdown_hours < 0) {
    c.countdown_hours = 0;
    c.countdown_minutes = 0;
    c.countdown_seconds = 0;
  }
}

namespace {
void RoundMinutes(ClockState& c) {
  c.countdown_minutes = (c.countdown_minutes + 2) / 5 * 5;
}
}  // namespace

int StepCountdownDown(ClockState& c, bool hour_step) {
  if (hour_step) {
    if (c.countdown_hours > 0) c.countdown_hours -= 1;
    return 3;
  }
  RoundMinutes(c);
  SubtractTime(c, 0, 5, 0);
  c.countdown_seconds = 6;
  return 0;
}

int StepCountdownUp(ClockState& c, bool hour_step) {
  if (hour_step) {
    AddTime(c, 1, 0, 0);
    return 3;
  }
  RoundMinutes(c);
  AddTime(c, 0, 5, 0);
  c.countdown_seconds = 6;
  return 0;
}

}  // namespace tinto
