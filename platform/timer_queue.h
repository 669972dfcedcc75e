// The periodic timers of all windows, shared by every backend.
//
// Ticks fall due on each timer's own grid (start + k * interval). When the loop is free,
// due ticks run in due order. When the loop was blocked (a blocking wait, a long handler),
// a timer whose ticks fell due meanwhile runs once, late, like a window timer whose
// messages were merged, and its grid goes on after that moment.
//
// A timer may publish a plan of its coming ticks. The loop then needs to wake only for
// ticks that can matter: ticks that do nothing are dropped, ticks that only keep books are
// replayed, each with its own tick count, before anything else is dispatched. The
// application therefore sees exactly the ticks it would have seen with a loop that woke
// for every one of them; the reference mode (skipping off) does exactly that. A plan may
// also let a tick that matters run a little late (its slack): the loop then wakes once for
// it and the next tick of another timer, and runs it at its own time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace tinto {

class TimerQueue {
 public:
  // now: a monotonic millisecond clock; tick_base: the tick count when now() is 0.
  TimerQueue(std::function<std::uint64_t()> now, std::uint32_t tick_base);

  TimerId Add(const TimerSpec& spec);
  void Remove(TimerId id);
  void RemoveOwner(WindowId owner);

  // When the loop must next wake (in the now() clock), or nothing when no timer can
  // matter until some other event changes a plan.
  std::optional<std::uint64_t> NextWake() const;

  // Runs every tick due at or before now(). Call whenever the loop is free: when it wakes
  // and before it dispatches any input.
  void RunDue();

  // A blocking wait ran from `from` to `to`: ticks due in between are merged into one.
  void NoteBlockingWait(std::uint64_t from, std::uint64_t to);

  // The tick counter as the application reads it: during a replayed or put-off tick, that
  // tick's own time.
  std::uint32_t TickCount() const;
  // How long ago (in the now() clock) the tick now running fell due: non-zero only for a
  // replayed or put-off tick. A clock the application reads is read as it was then.
  std::uint64_t ReplayLag() const { return replay_time_ ? now_() - *replay_time_ : 0; }

  // Off: wake for every tick and run it (the reference behaviour).
  void set_skipping(bool on) { skipping_ = on; }
  // Off: no tick waits for another timer's, whatever its plan's slack (where wake-ups cost
  // nothing, as in the simulator, whose log gives each tick's effects its own time).
  void set_sharing_wake_ups(bool on) { sharing_wake_ups_ = on; }

  // Number of ticks run and replayed so far (for measurements).
  std::uint64_t ticks_run() const { return ticks_run_; }
  std::uint64_t ticks_replayed() const { return ticks_replayed_; }

 private:
  struct Timer {
    TimerId id;
    TimerSpec spec;
    std::uint64_t next_due;  // on the grid
    bool late;               // fell due during a blocking wait: runs once, at the next chance
    bool alive;
  };
  TickPlan PlanOf(const Timer& t) const;
  std::uint32_t TickAt(std::uint64_t time) const {
    return static_cast<std::uint32_t>(tick_base_ + time);
  }
  // Whether a tick of t at `time` may be skipped (dropped or replayed) under its plan.
  bool Quiet(const TickPlan& plan, std::uint64_t time) const;
  static bool Replays(const TickPlan& plan) {
    return plan.mode == TickPlan::Mode::kReplayAll || plan.mode == TickPlan::Mode::kReplayUntil;
  }
  Timer* Find(TimerId id);
  // kNow: a tick run at the moment it runs; kReplay: a bookkeeping tick run at its own
  // time; kPutOff: a tick that matters, run within its slack at its own time.
  enum class Firing { kNow, kReplay, kPutOff };
  void Fire(TimerId id, std::uint64_t at, Firing firing);

  std::function<std::uint64_t()> now_;
  std::uint32_t tick_base_;
  std::vector<Timer> timers_;
  TimerId next_id_ = 1;
  bool skipping_ = true;
  bool sharing_wake_ups_ = true;
  std::optional<std::uint64_t> replay_time_;
  // NextWake's list of each timer's next tick that matters and the latest it may run.
  struct Wake {
    std::uint64_t at;
    std::uint64_t latest;
  };
  mutable std::vector<Wake> wakes_;
  std::uint64_t ticks_run_ = 0;
  std::uint64_t ticks_replayed_ = 0;
};

}  // namespace tinto
