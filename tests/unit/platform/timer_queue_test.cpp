// The timer scheduler: due order, merged late ticks, and sleeping through ticks that
// cannot matter without changing what the application sees.
#include "platform/timer_queue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tinto {
namespace {

struct FakeLoop {
  std::uint64_t now = 0;
  TimerQueue queue{[this] { return now; }, 1000};

  // Lets time pass with a free loop, as a message loop would.
  void Pass(std::uint64_t ms) {
    const std::uint64_t target = now + ms;
    for (;;) {
      queue.RunDue();
      const auto wake = queue.NextWake();
      if (!wake || *wake > target) break;
      now = std::max(now, *wake);
    }
    now = target;
    queue.RunDue();
  }
  void Block(std::uint64_t ms) {
    const std::uint64_t from = now;
    now += ms;
    queue.NoteBlockingWait(from, now);
  }
};

TEST(TimerQueue, TicksRunOnTheirGridInDueOrder) {
  FakeLoop loop;
  std::vector<std::string> seen;
  loop.queue.Add({.interval_ms = 10, .on_tick = [&] {
                    seen.push_back("a" + std::to_string(loop.queue.TickCount()));
                  }});
  loop.queue.Add({.interval_ms = 25, .on_tick = [&] {
                    seen.push_back("b" + std::to_string(loop.queue.TickCount()));
                  }});
  loop.Pass(50);
  EXPECT_EQ(seen, (std::vector<std::string>{"a1010", "a1020", "b1025", "a1030", "a1040", "a1050",
                                            "b1050"}));
}

TEST(TimerQueue, TicksMissedDuringABlockingWaitRunOnceAfterIt) {
  FakeLoop loop;
  std::vector<std::uint32_t> seen;
  bool block = true;
  loop.queue.Add({.interval_ms = 10, .on_tick = [&] {
                    seen.push_back(loop.queue.TickCount());
                    if (block) {
                      block = false;
                      loop.Block(100);  // a pressed look held for 100 ms
                    }
                  }});
  loop.Pass(135);
  // 1010 blocks until 1110; the ticks of 1020..1110 merge into one at 1110; the grid goes on.
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{1010, 1110, 1120, 1130}));
}

TEST(TimerQueue, SleepsUntilTheFirstTickThatMatters) {
  FakeLoop loop;
  int runs = 0;
  loop.queue.Add({.interval_ms = 10,
                  .on_tick = [&] { ++runs; },
                  .plan =
                      [] {
                        return TickPlan{TickPlan::Mode::kSkipUntil, 1095};
                      }});
  ASSERT_TRUE(loop.queue.NextWake().has_value());
  EXPECT_EQ(*loop.queue.NextWake(), 100u);  // tick count 1100, the first at or after 1095
  loop.Pass(99);
  EXPECT_EQ(runs, 0);
}

TEST(TimerQueue, BookkeepingTicksBeforeAPlannedOneAreReplayedAtTheirOwnTime) {
  FakeLoop loop;
  std::vector<std::string> seen;
  loop.queue.Add({.interval_ms = 125,
                  .on_tick =
                      [&] {
                        seen.push_back(std::to_string(loop.queue.TickCount()) + "+" +
                                       std::to_string(loop.queue.ReplayLag()));
                      },
                  .plan =
                      [] {
                        return TickPlan{TickPlan::Mode::kReplayUntil, 1400};
                      }});
  EXPECT_EQ(*loop.queue.NextWake(), 500u);  // tick count 1500, the first at or after 1400
  loop.Pass(300);  // an event at 300 replays the ticks of 125 and 250 first
  EXPECT_EQ(seen, (std::vector<std::string>{"1125+175", "1250+50"}));
  loop.Pass(200);  // 375 replayed when the loop wakes for 500, which runs as itself
  EXPECT_EQ(seen, (std::vector<std::string>{"1125+175", "1250+50", "1375+125", "1500+0"}));
}

TEST(TimerQueue, TickCountWrapsInPlans) {
  std::uint64_t now = 0;
  TimerQueue queue([&] { return now; }, 0xFFFFFFF0u);
  queue.Add({.interval_ms = 10,
             .on_tick = [] {},
             .plan =
                 [] {
                   return TickPlan{TickPlan::Mode::kSkipUntil, 0x00000010u};
                 }});
  ASSERT_TRUE(queue.NextWake().has_value());
  EXPECT_EQ(*queue.NextWake(), 40u);  // 0xFFFFFFF0 + 40 wraps to 0x18, the first tick past 0x10
}

// A tick with slack waits for another timer's next tick when that comes within the slack,
// and still sees its own time; alone, with nothing near enough, or with sharing off, it
// runs on time.
TEST(TimerQueue, ATickWithSlackSharesTheNextWakeUpOfAnotherTimer) {
  struct Case {
    std::uint32_t marker_ms;  // 0: no other timer
    bool sharing;
    std::vector<std::string> seen;
  };
  const Case cases[] = {
      // Main ticks at 125 and 250 wait for the marker's 200 and 300.
      {100, true, {"m1100@100", "c1125@200", "m1200@200", "c1250@300", "m1300@300"}},
      {100, false, {"m1100@100", "c1125@125", "m1200@200", "c1250@250", "m1300@300"}},
      // The marker's ticks come too late (more than 100 ms on): nothing waits.
      {240, true, {"c1125@125", "m1240@240", "c1250@250"}},
      {0, true, {"c1125@125", "c1250@250"}},
  };
  for (const Case& c : cases) {
    FakeLoop loop;
    loop.queue.set_sharing_wake_ups(c.sharing);
    std::vector<std::string> seen;
    const auto note = [&](const char* name) {
      seen.push_back(name + std::to_string(loop.queue.TickCount()) + "@" +
                     std::to_string(loop.now));
    };
    loop.queue.Add({.interval_ms = 125,
                    .on_tick = [&] { note("c"); },
                    .plan = [] { return TickPlan{.slack_ms = 100}; }});
    if (c.marker_ms != 0)
      loop.queue.Add({.interval_ms = c.marker_ms, .on_tick = [&] { note("m"); }});
    loop.Pass(300);
    EXPECT_EQ(seen, c.seen) << c.marker_ms << (c.sharing ? " shared" : " alone");
  }
}

// A frame-clock-like timer under a random life of plan changes, blocking waits and other
// ticks: the handler must see exactly the same (tick, state) sequence whether the loop
// wakes for every tick or sleeps through the quiet ones.
std::vector<std::string> RandomLife(bool skipping, unsigned seed) {
  FakeLoop loop;
  loop.queue.set_skipping(skipping);
  std::mt19937 rng(seed);
  std::vector<std::string> seen;
  struct Clock {
    std::uint32_t last = 0;
    std::uint32_t delay = 120;
    bool paused = false;
    bool closed = true;
  } clock;
  loop.queue.Add({.interval_ms = 10,
                  .on_tick =
                      [&] {
                        const std::uint32_t now = loop.queue.TickCount();
                        if (clock.paused || now - clock.last < clock.delay) return;
                        if (!clock.closed) seen.push_back("frame " + std::to_string(now));
                        clock.last = now;
                      },
                  .plan =
                      [&] {
                        if (clock.paused) return TickPlan{TickPlan::Mode::kSkipAll, 0};
                        if (clock.closed) return TickPlan{TickPlan::Mode::kReplayAll, 0};
                        return TickPlan{TickPlan::Mode::kSkipUntil, clock.last + clock.delay};
                      }});
  loop.queue.Add({.interval_ms = 125, .on_tick = [&] {
                    const std::uint32_t now = loop.queue.TickCount();
                    seen.push_back("main " + std::to_string(now));
                    if (rng() % 7 == 0) loop.Block(rng() % 400);
                  }});
  for (int step = 0; step < 300; ++step) {
    loop.Pass(rng() % 200);
    loop.queue.RunDue();  // an input event arrives
    switch (rng() % 6) {
      case 0:
        clock.closed = !clock.closed;
        break;
      case 1:
        clock.paused = !clock.paused;
        break;
      case 2:
        clock.delay = 2 + rng() % 400;
        break;
      case 3:
        loop.Block(rng() % 350);
        break;
      default:
        break;
    }
    seen.push_back("input " + std::to_string(loop.queue.TickCount()));
  }
  return seen;
}

TEST(TimerQueue, SleepingChangesNothingTheApplicationSees) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const auto sleeping = RandomLife(true, seed);
    EXPECT_EQ(sleeping, RandomLife(false, seed)) << seed;
    // The life has frames to show, not only main ticks.
    EXPECT_GT(std::count_if(sleeping.begin(), sleeping.end(),
                            [](const std::string& s) { return s.rfind("frame", 0) == 0; }),
              20)
        << seed;
  }
}

}  // namespace
}  // namespace tinto
