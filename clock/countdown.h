// The countdown alarm: the remaining time, which moves in steps of five minutes (an hour
// with Shift or Alt) and runs down one second per change of the wall-clock second, and the
// state it is in. The main window only draws and plays what the model's ticks return.
#pragma once

namespace tinto {

enum class CountdownState {
  kIdle,         // stopped (the time shown stays)
  kCounting,     // running down one second per second change
  kReachedZero,  // at 00:00:00; the alarm starts at the next second change
  kRingingDark,  // ringing, the panel in its normal look
  kRingingLit,   // ringing, the panel in its lit look
};

struct CountdownTime {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  friend bool operator==(const CountdownTime&, const CountdownTime&) = default;
};

class Countdown {
 public:
  // What a change of the wall-clock second asks of the window.
  struct SecondChange {
    bool draw_time = false;    // the remaining time changed: redraw it
    bool start_alarm = false;  // the alarm starts: close the viewer, stop the music, ring
  };
  // What a main tick asks of the ringing panel.
  enum class Blink { kNone, kShowLit, kShowNormal };

  CountdownState state() const { return state_; }
  const CountdownTime& time() const { return time_; }
  bool Ringing() const {
    return state_ == CountdownState::kRingingDark || state_ == CountdownState::kRingingLit;
  }

  // Adds to the remaining time; past 24 hours it stops at 24:59:59.
  void Add(int h, int m, int s);
  // Subtracts from the remaining time; below zero it stops at 00:00:00.
  void Subtract(int h, int m, int s);
  // The minus and plus buttons. Each returns the effect to play: 3 for an hour step, 0 for
  // a five-minute step (which rounds the minutes to the nearest multiple of five first and
  // sets the seconds to 6). The state is left alone: Start() follows once the press ends.
  int StepDown(bool hour_step);
  int StepUp(bool hour_step);
  void Start() { state_ = CountdownState::kCounting; }
  // The reset button clears the time; Stop() follows once the press ends.
  void ClearTime() { time_ = {}; }
  // Stopped by the reset button or by silencing the alarm.
  void Stop() { state_ = CountdownState::kIdle; }
  void SetTime(CountdownTime time) { time_ = time; }

  SecondChange OnSecondChange();
  Blink OnMainTick();

 private:
  CountdownState state_ = CountdownState::kIdle;
  CountdownTime time_;
};

}  // namespace tinto
