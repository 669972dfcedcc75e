// Window timers on a shared grid, with sleeping through ticks that cannot matter.
#include "platform/timer_queue.h"

#include <algorithm>
#include <limits>

namespace tinto {

TimerQueue::TimerQueue(std::function<std::uint64_t()> now, std::uint32_t tick_base)
    : now_(std::move(now)), tick_base_(tick_base) {}

TimerId TimerQueue::Add(const TimerSpec& spec) {
  const TimerId id = next_id_++;
  const std::uint32_t interval = std::max<std::uint32_t>(1, spec.interval_ms);
  Timer t{id, spec, now_() + interval, false, true};
  t.spec.interval_ms = interval;
  timers_.push_back(std::move(t));
  return id;
}

void TimerQueue::Remove(TimerId id) {
  std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

void TimerQueue::RemoveOwner(WindowId owner) {
  std::erase_if(timers_, [owner](const Timer& t) { return t.spec.owner == owner; });
}

TimerQueue::Timer* TimerQueue::Find(TimerId id) {
  for (Timer& t : timers_)
    if (t.id == id) return &t;
  return nullptr;
}

TickPlan TimerQueue::PlanOf(const Timer& t) const {
  if (!skipping_ || !t.spec.plan) return {};
  TickPlan plan = t.spec.plan();
  if (!sharing_wake_ups_) plan.slack_ms = 0;
  return plan;
}

bool TimerQueue::Quiet(const TickPlan& plan, std::uint64_t time) const {
  switch (plan.mode) {
    case TickPlan::Mode::kEvery:
      return false;
    case TickPlan::Mode::kSkipUntil:
    case TickPlan::Mode::kReplayUntil:
      return static_cast<std::int32_t>(plan.until_tick - TickAt(time)) > 0;
    case TickPlan::Mode::kSkipAll:
    case TickPlan::Mode::kReplayAll:
      return true;
  }
  return false;
}

std::optional<std::uint64_t> TimerQueue::NextWake() const {
  wakes_.clear();
  for (const Timer& t : timers_) {
    if (t.late) {
      wakes_.push_back({t.next_due, t.next_due});
      continue;
    }
    const TickPlan plan = PlanOf(t);
    std::uint64_t at = t.next_due;
    if (Quiet(plan, t.next_due)) {
      if (plan.mode != TickPlan::Mode::kSkipUntil && plan.mode != TickPlan::Mode::kReplayUntil)
        continue;
      // The first tick on the grid whose tick count reaches until_tick.
      const std::uint64_t gap = static_cast<std::uint32_t>(plan.until_tick - TickAt(t.next_due));
      at += (gap + t.spec.interval_ms - 1) / t.spec.interval_ms * t.spec.interval_ms;
    }
    wakes_.push_back({at, at + plan.slack_ms});
  }
  if (wakes_.empty()) return std::nullopt;
  // The loop must be up by the earliest of the latest times; it wakes at the last tick due
  // by then, which takes every earlier one along.
  std::uint64_t deadline = wakes_.front().latest;
  for (const Wake& w : wakes_) deadline = std::min(deadline, w.latest);
  std::uint64_t wake = 0;
  for (const Wake& w : wakes_)
    if (w.at <= deadline) wake = std::max(wake, w.at);
  return wake;
}

void TimerQueue::Fire(TimerId id, std::uint64_t at, Firing firing) {
  Timer* t = Find(id);
  if (t == nullptr || !t->spec.on_tick) return;
  const std::function<void()> on_tick = t->spec.on_tick;
  const std::optional<std::uint64_t> outer = replay_time_;
  if (firing == Firing::kNow)
    replay_time_.reset();
  else
    replay_time_ = at;
  ++(firing == Firing::kReplay ? ticks_replayed_ : ticks_run_);
  on_tick();
  replay_time_ = outer;
}

void TimerQueue::RunDue() {
  const std::uint64_t limit = now_();
  for (;;) {
    // The earliest due tick; late ticks are due whatever the limit.
    Timer* next = nullptr;
    for (Timer& t : timers_) {
      if (!t.late && t.next_due > limit) continue;
      if (next == nullptr || t.next_due < next->next_due) next = &t;
    }
    if (next == nullptr) return;

    const TimerId id = next->id;
    const std::uint32_t interval = next->spec.interval_ms;
    const TickPlan plan = PlanOf(*next);
    const std::uint64_t now = now_();
    if (next->late || next->next_due < now) {
      // Ticks the loop could not take in time are merged into one, run now; the grid
      // goes on after it.
      const bool was_late = next->late;
      const std::uint64_t due = next->next_due;
      next->late = false;
      if (!was_late && Quiet(plan, due)) {
        // The loop slept through this tick on purpose: it runs (or is dropped) at its
        // own time.
        next->next_due = due + interval;
        if (Replays(plan)) Fire(id, due, Firing::kReplay);
        continue;
      }
      if (!was_late && now - due <= plan.slack_ms) {
        // Put off to share a wake-up with another timer's tick.
        next->next_due = due + interval;
        Fire(id, due, Firing::kPutOff);
        continue;
      }
      next->next_due = due + ((now - due) / interval + 1) * interval;
      if (Quiet(plan, now)) {
        if (Replays(plan)) Fire(id, now, Firing::kReplay);
      } else {
        Fire(id, now, Firing::kNow);
      }
      continue;
    }
    // On time.
    const std::uint64_t due = next->next_due;
    next->next_due = due + interval;
    if (Quiet(plan, due)) {
      if (Replays(plan)) Fire(id, due, Firing::kReplay);
    } else {
      Fire(id, due, Firing::kNow);
    }
  }
}

void TimerQueue::NoteBlockingWait(std::uint64_t /*from*/, std::uint64_t to) {
  for (Timer& t : timers_)
    if (t.next_due <= to) t.late = true;
}

std::uint32_t TimerQueue::TickCount() const {
  return TickAt(replay_time_ ? *replay_time_ : now_());
}

}  // namespace tinto
