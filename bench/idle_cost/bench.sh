#!/usr/bin/env bash
# The CPU time an idle program costs, on a virtual display: the bare SDL2 loop with the
# two timers (idle_bare_loop) against the program itself, its viewer closed, in the demo
# game folder. Both run without sound (an audio driver mixes silence all the time, which
# would measure the driver). CPU time (user + system, from /proc/PID/stat) and wake-ups
# (voluntary context switches) over IDLE_SECONDS (20).
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
seconds=${IDLE_SECONDS:-20}
. "$(dirname "$0")/../virtual_display.sh"

wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status"; }

# measure NAME COMMAND...: starts it, lets it settle, measures, ends it.
measure() {
  local name=$1
  shift
  "$@" > "$work/$name.out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep 3
  local c0 w0 c1 w1
  c0=$(cpu_ms "$pid") w0=$(wakeups "$pid")
  sleep "$seconds"
  c1=$(cpu_ms "$pid") w1=$(wakeups "$pid")
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  printf '%-28s %6d ms CPU in %d s (%.2f %%), %6d wake-ups (%.1f/s)\n' "$name" $((c1 - c0)) \
    "$seconds" "$(awk -v c=$((c1 - c0)) -v s="$seconds" 'BEGIN { print c / (s * 10) }')" \
    $((w1 - w0)) "$(awk -v w=$((w1 - w0)) -v s="$seconds" 'BEGIN { print w / s }')"
}

game="$work/game"
mkdir -p "$game"
[ -x "$build/tools/demo_game/demo_game" ] && "$build/tools/demo_game/demo_game" "$game" > /dev/null
cp "$build/tinto" "$game/tinto"

measure "bare SDL2 loop, 2 timers" "$build/bench/idle_cost/idle_bare_loop"
measure "program, viewer closed" bash -c "cd '$game' && exec ./tinto"
