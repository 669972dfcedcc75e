// The clock and the countdown: the countdown's arithmetic, the time and date drawn by the
// main tick, the alarm's start after the counted seconds, and a press in the message
// window while the alarm rings.
#include "clock/countdown.h"
#include "sim_fixture.h"
#include "skin_digits.h"

namespace tinto::test {
namespace {

class Clock : public SimTest {
 protected:
  static std::string At(int x, int y) { return std::to_string(x + 430) + " " + std::to_string(y); }
  std::string Buffer(const std::string& name) const {
    return "buffer main \"" + File(name).string() + "\"\n";
  }
  std::string Base1() const { return "skin BASE1 \"" + File("base1.bmp").string() + "\"\n"; }
  // Three two-digit groups 14 pixels apart, dark digits, as "hh mm ss".
  std::string Groups(const std::string& buffer, int x, int y) const {
    const gfx::Bitmap back = Picture(buffer);
    const gfx::Bitmap base1 = Picture("base1.bmp");
    return ReadDigits(back, base1, x, y, 2, 2) + " " + ReadDigits(back, base1, x + 14, y, 2, 2) +
           " " + ReadDigits(back, base1, x + 28, y, 2, 2);
  }
};

struct StepCase {
  int h, m, s;
  bool up;
  bool hour_step;
  int want_h, want_m, want_s;
  int effect;
};

TEST(Countdown, StepsRoundToFiveMinutesAndStayWithinTheLimits) {
  const StepCase cases[] = {
      {0, 0, 0, true, false, 0, 5, 6, 0},      // plus at zero
      {0, 4, 59, true, false, 0, 10, 6, 0},    // minutes go to 5, then 10
      {0, 2, 30, false, false, 0, 0, 6, 0},    // rounds to 0, floors, seconds 6
      {0, 0, 0, false, true, 0, 0, 0, 3},      // Shift minus at zero stays at zero
      {2, 10, 20, false, true, 1, 10, 20, 3},  // an hour less, the rest stays
      {24, 10, 0, true, true, 24, 59, 59, 3},  // the cap
      {24, 57, 0, true, false, 24, 59, 6, 0},  // the cap, then seconds 6
      {23, 58, 40, true, false, 24, 5, 6, 0},  // 24 hours and some minutes are allowed
  };
  for (const StepCase& c : cases) {
    Countdown countdown;
    countdown.SetTime({c.h, c.m, c.s});
    const int effect = c.up ? countdown.StepUp(c.hour_step) : countdown.StepDown(c.hour_step);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(countdown.time(), (CountdownTime{c.want_h, c.want_m, c.want_s}))
        << c.h << ":" << c.m << ":" << c.s;
    EXPECT_EQ(countdown.state(), CountdownState::kIdle) << "a step alone starts nothing";
  }
}

// From the last second to the alarm: the draw of 00:00:00, one second change in "reached
// zero", then the alarm, whose panel blinks on every main tick until it is stopped.
TEST(Countdown, RunsDownRingsBlinksAndStops) {
  Countdown countdown;
  EXPECT_EQ(countdown.OnSecondChange().draw_time, false) << "idle draws nothing";
  countdown.SetTime({0, 0, 2});
  countdown.Start();
  EXPECT_TRUE(countdown.OnSecondChange().draw_time);
  EXPECT_EQ(countdown.state(), CountdownState::kCounting);
  const Countdown::SecondChange last = countdown.OnSecondChange();
  EXPECT_TRUE(last.draw_time);
  EXPECT_FALSE(last.start_alarm);
  EXPECT_EQ(countdown.state(), CountdownState::kReachedZero);
  EXPECT_EQ(countdown.OnMainTick(), Countdown::Blink::kNone);
  const Countdown::SecondChange ring = countdown.OnSecondChange();
  EXPECT_FALSE(ring.draw_time);
  EXPECT_TRUE(ring.start_alarm);
  EXPECT_TRUE(countdown.Ringing());
  EXPECT_EQ(countdown.OnMainTick(), Countdown::Blink::kShowLit);
  EXPECT_EQ(countdown.state(), CountdownState::kRingingLit);
  EXPECT_EQ(countdown.OnMainTick(), Countdown::Blink::kShowNormal);
  EXPECT_EQ(countdown.OnMainTick(), Countdown::Blink::kShowLit);
  EXPECT_FALSE(countdown.OnSecondChange().start_alarm) << "the alarm starts once";
  countdown.Stop();
  EXPECT_FALSE(countdown.Ringing());
  EXPECT_EQ(countdown.OnMainTick(), Countdown::Blink::kNone);
  EXPECT_EQ(countdown.time(), CountdownTime{});
}

TEST_F(Clock, PlusAtZeroRingsAfter307SecondChanges) {
  const SimResult r =
      Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main " + At(344, 298) + "\n" +
          Buffer("set.bmp") + Base1() + "wait 306700\n" + Buffer("zero.bmp") + "wait 1000\n");
  EXPECT_TRUE(r.Has("200 effect 0")) << r.log;
  EXPECT_EQ(Groups("set.bmp", 301, 295), "00 05 06");
  EXPECT_EQ(Groups("zero.bmp", 301, 295), "00 00 00");
  const auto alarms = r.Events("effect 10");
  ASSERT_EQ(alarms.size(), 1u) << r.log;
  EXPECT_EQ(alarms[0], "307000 effect 10");
}

TEST_F(Clock, ResetStopsTheCountdown) {
  const SimResult r = Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main " + At(296, 298) +
                          " alt\nwait 200\n"
                          "click main " +
                          At(320, 298) + "\n" + Base1() + Buffer("reset.bmp") + "wait 5000\n");
  EXPECT_TRUE(r.Has("500 effect 40")) << r.log;
  EXPECT_EQ(Groups("reset.bmp", 301, 295), "00 00 00");
  EXPECT_TRUE(r.Events("effect 10").empty()) << r.log;
}

TEST_F(Clock, TimeAtTheFirstTickAndEverySecondTheDateStays) {
  const SimResult r =
      Run("now 2026-12-10 09:30:45\nstart\nwait 130\n" + Base1() + Buffer("first.bmp") +
          "wait 900\n" + Buffer("next.bmp") + "click main " + At(260, 111) + "\n" +
          Buffer("date.bmp") + "wait 3000\n" + Buffer("still.bmp") + "click main " + At(260, 111) +
          "\n" + Buffer("back.bmp"));
  EXPECT_EQ(Groups("first.bmp", 244, 109), "09 30 45");
  EXPECT_EQ(Groups("next.bmp", 244, 109), "09 30 46");
  for (const char* name : {"date.bmp", "still.bmp"}) {
    const gfx::Bitmap back = Picture(name);
    const gfx::Bitmap base1 = Picture("base1.bmp");
    EXPECT_EQ(ReadDigits(back, base1, 244, 109, 4, 2), "2026") << name;
    EXPECT_EQ(ReadDigits(back, base1, 270, 109, 2, 2), "12") << name;
    EXPECT_EQ(ReadDigits(back, base1, 284, 109, 2, 2), "10") << name;
  }
  // Back to the time: the last decoded time at once.
  EXPECT_EQ(Groups("back.bmp", 244, 109), "09 30 49");
}

TEST_F(Clock, APressInTheMessageWindowWhileTheAlarmRingsOnlySilencesIt) {
  // A colour save, then the close button: the restart notice is up when the alarm rings.
  const SimResult r = Run("now 2026-01-01 12:00:00\nstart\nwait 200\nclick main " + At(296, 298) +
                          " shift\n"
                          "click main " +
                          At(29, 110) + "\nclick main " + At(340, 115) +
                          "\nwait 2000\n"
                          "click message 255 130\nwait 200\nkey message ENTER\nwait 500\n");
  EXPECT_TRUE(r.Has("2000 effect 10")) << r.log;
  const auto stops = r.Events("effect 32");
  ASSERT_EQ(stops.size(), 1u) << r.log;
  // The click on OK only stopped the alarm: the notice closes later, by the Enter key.
  const auto results = r.Events("result message");
  ASSERT_EQ(results.size(), 1u) << r.log;
  EXPECT_GT(std::stoi(results[0]), std::stoi(stops[0])) << r.log;
}

}  // namespace
}  // namespace tinto::test
