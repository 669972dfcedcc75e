// The countdown's arithmetic and its states.
#include "clock/countdown.h"

namespace tinto {

void Countdown::Add(int h, int m, int s) {
  CountdownTime& t = time_;
  t.seconds += s;
  if (t.seconds > 59) {
    t.seconds -= 60;
    t.minutes += 1;
  }
  t.minutes += m;
  if (t.minutes > 59) {
    t.minutes -= 60;
    t.hours += 1;
  }
  t.hours += h;
  if (t.hours > 24) t = {24, 59, 59};
}

void Countdown::Subtract(int h, int m, int s) {
  CountdownTime& t = time_;
  t.seconds -= s;
  if (t.seconds < 0) {
    t.seconds += 60;
    t.minutes -= 1;
  }
  t.minutes -= m;
  if (t.minutes < 0) {
    t.minutes += 60;
    t.hours -= 1;
  }
  t.hours -= h;
  if (t.hours < 0) t = {};
}

namespace {
int RoundedToFive(int minutes) {
  return (minutes + 2) / 5 * 5;
}
}  // namespace

int Countdown::StepDown(bool hour_step) {
  if (hour_step) {
    if (time_.hours > 0) time_.hours -= 1;
    return 3;
  }
  time_.minutes = RoundedToFive(time_.minutes);
  Subtract(0, 5, 0);
  time_.seconds = 6;
  return 0;
}

int Countdown::StepUp(bool hour_step) {
  if (hour_step) {
    Add(1, 0, 0);
    return 3;
  }
  time_.minutes = RoundedToFive(time_.minutes);
  Add(0, 5, 0);
  time_.seconds = 6;
  return 0;
}

Countdown::SecondChange Countdown::OnSecondChange() {
  if (state_ == CountdownState::kCounting) {
    Subtract(0, 0, 1);
    if (time_ == CountdownTime{}) state_ = CountdownState::kReachedZero;
    return {.draw_time = true};
  }
  if (state_ == CountdownState::kReachedZero) {
    state_ = CountdownState::kRingingDark;
    return {.start_alarm = true};
  }
  return {};
}

Countdown::Blink Countdown::OnMainTick() {
  if (state_ == CountdownState::kRingingDark) {
    state_ = CountdownState::kRingingLit;
    return Blink::kShowLit;
  }
  if (state_ == CountdownState::kRingingLit) {
    state_ = CountdownState::kRingingDark;
    return Blink::kShowNormal;
  }
  return Blink::kNone;
}

}  // namespace tinto
