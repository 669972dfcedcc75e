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
constexpr int kClockX = main_layout::kClockDigits.x;
constexpr int kClockY = main_layout::kClockDigits.y;
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

// A main tick draws or plays something only when the clock's second has changed, a song's
// end has come, the alarm rings (the panel blinks), the viewer plays or pauses (its frame
// clock), and the first time. Every other tick only keeps books (the clock's fields, the
// frame clock's last frame): it is replayed at its own time, the wall clock read as it was
// then. The second change is foreseen from the wall clock's milliseconds, a few early: the
// tick counter and the wall clock are two clocks read one after the other. Such a tick (a
// new second, a song's end) may wait up to 100 ms for another timer's tick: with the
// colour picker open, its marker's wake-ups (every 100 ms) then always take it along.
TickPlan TTintoMainFM::MainTickPlan() {
  constexpr std::uint32_t kSecondMargin = 3;
  constexpr std::uint32_t kSlackMs = 100;
  if (app_.closing()) return {TickPlan::Mode::kSkipAll, 0};
  const ClockState& clock = app_.clock();
  if (first_tick_ || clock.countdown.Ringing() || !(frame_clock_.paused || viewer_.Idle()))
    return {};
  const std::uint32_t now = platform_.TickCount();
  const LocalTime time = platform_.Now();
  if (time.second != clock.last_seconds) return {.slack_ms = kSlackMs};
  std::uint32_t until = now + static_cast<std::uint32_t>(1000 - time.millisecond) - kSecondMargin;
  if (const MusicState& music = app_.music();
      music.Playing() && static_cast<std::int32_t>(music.song_end_time - until) < 0)
    until = music.song_end_time;
  return {TickPlan::Mode::kReplayUntil, until, kSlackMs};
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
  return platform_.HostWindowExists(kHostGameClasses);
}

void TTintoMainFM::FirstTick() {
  if (HostGameRunning() && app_.AskOkCancel(messages::kHostGameRunning)) {
    Close();  // never shown; the program ends
    return;
  }
  app_.PlayEffect(kStartUpEffect);
  platform_.ShowWindow(window_);
}

}  // namespace tinto
