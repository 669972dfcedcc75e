// The main window's two timers: the 10 ms frame clock of the viewer and the 125 ms main
// tick (frame clock, clock and countdown, and once after start-up the host game check
// that shows the window).
#include <array>

#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/messages.h"
#include "clock/countdown.h"
#include "shell/main_layout.h"

namespace tinto {

namespace {
// Window classes of the host game's windows, looked for in this order.
constexpr std::array<const char*, 3> kHostGameClasses = {"TFM", "TSPFM", "TkeyFM"};
constexpr int kClockX = 244;
constexpr int kClockY = 109;
constexpr int kCountdownX = main_layout::kCountdownDigits.x;
constexpr int kCountdownY = main_layout::kCountdownDigits.y;
}  // namespace

void TTintoMainFM::Timer1Timer() {
  if (app_.closing()) return;
  const std::uint32_t now = platform_.TickCount();
  if (!frame_clock_.Due(now)) return;
  viewer_.PlaybackTick();
  frame_clock_.FrameDone(now);
}

void TTintoMainFM::Timer2Timer() {
  if (app_.closing()) return;
  Timer1Timer();

  music_player_.EndOfSongCheck(frame_clock_.current_tick);

  ClockState& clock = app_.clock();
  const LocalTime time = platform_.Now();
  clock.hours = static_cast<std::uint16_t>(time.hour);
  clock.minutes = static_cast<std::uint16_t>(time.minute);
  clock.seconds = static_cast<std::uint16_t>(time.second);
  clock.milliseconds = static_cast<std::uint16_t>(time.millisecond);
  if (clock.seconds != clock.last_seconds) {
    clock.last_seconds = clock.seconds;
    if (!clock.date_mode)
      canvas_.DrawTime(kClockX, kClockY, clock.hours, clock.minutes, clock.seconds);
    const Countdown::SecondChange change = clock.countdown.OnSecondChange();
    if (change.draw_time) DrawCountdown();
    if (change.start_alarm) {
      // The alarm: one second change after the countdown reached zero. The viewer closes
      // and the music stops.
      CloseViewerForAlarm();
      music_player_.StopSong(false);
      app_.effects().PlayAlarmSound(clock.alarm_sounds[static_cast<std::size_t>(clock.alarm_index)],
                                    clock.alarm_loop);
    }
  }

  // The ringing panel blinks every main tick until a press stops the alarm.
  switch (clock.countdown.OnMainTick()) {
    case Countdown::Blink::kShowLit:
      canvas_.ShowAlarmLit();
      break;
    case Countdown::Blink::kShowNormal:
      canvas_.ShowAlarmNormal();
      break;
    case Countdown::Blink::kNone:
      break;
  }

  if (first_tick_) {
    first_tick_ = false;
    FirstTick();
  }
}

void TTintoMainFM::DrawCountdown() {
  const CountdownTime& t = app_.clock().countdown.time();
  canvas_.DrawTime(kCountdownX, kCountdownY, t.hours, t.minutes, t.seconds);
}

// The panel leaves the window region when it is open; the viewer is closed and unpaused.
void TTintoMainFM::CloseViewerForAlarm() {
  viewer_.ClosePanel(true);
}

bool TTintoMainFM::HostGameRunning() {
  for (const char* cls : kHostGameClasses)
    if (platform_.HostWindowExists(cls)) return true;
  return false;
}

void TTintoMainFM::FirstTick() {
  if (HostGameRunning() && app_.AskOkCancel(messages::kHostGameRunning)) {
    Close();  // never shown; the program ends
    return;
  }
  app_.PlayEffect(11);
  platform_.ShowWindow(window_);
}

}  // namespace tinto
