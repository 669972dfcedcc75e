#!/usr/bin/env bash
# The CPU time an idle program costs, on a virtual display: the bare SDL2 loop with the
# two timers (idle_bare_loop) against the program itself in the demo game folder, first
# with its viewer closed, then with the colour picker, the password window, the manual and
# the message window open. All run without sound (an audio driver mixes silence all the
# time, which would measure the driver). CPU time (the scheduler's count of each thread's
# running time) and wake-ups (voluntary context switches of all threads) over
# IDLE_SECONDS (20), median of IDLE_RUNS (3) runs; IDLE_WINDOWS names the windows to open
# (all four by default). The ratio is the program's CPU time over the bare loop's (goal
# for the closed viewer: under 0.25x). The wake-ups and CPU of each window close the
# output, against the bare loop's (goal for every window: at most 0.15x). The colour
# picker shows a change ten times a second (its marker), so it is also set against the
# plainest SDL2 loop that does that much (idle_bare_loop --marker): a wake-up after 100 ms
# of sleep costs several times one after 10 ms, so that yardstick, not a tenth of the
# bare loop's wake-ups, is what such a window can come down to; and against a process that
# only sleeps 100 ms at a time (idle_bare_loop --sleep), the machine's own price for ten
# wake-ups a second.
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
seconds=${IDLE_SECONDS:-20}
runs=${IDLE_RUNS:-3}
source "$(dirname "$0")/../x_bench.sh"
title="Quiro EDIT"

# Wake-ups: the voluntary context switches of all the process's threads (each sleep that
# ended: a timer, an event, an answer of the X server waited for).
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'; }

# The ways to open a window, as a person would (window-relative points of the main
# window: its skin starts 430 pixels to the right).
open_nothing() { :; }
open_picker() { xdotool mousemove --window "$1" $((430 + 61 + 15)) $((39 + 15)) click 1; wait_for_window "^$title - colour\$" > /dev/null; }
open_password() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --window "$1" space; wait_for_window "^$title - password\$" > /dev/null; }
open_manual() { xdotool mousemove --window "$1" 560 60 click 5; wait_for_window "QUIRO EDIT MANUAL" > /dev/null; }
# The message window: the password window's hint (F5), a notice above it.
open_message() {
  open_password "$1"
  local k
  k=$(wait_for_window "^$title - password\$")
  xdotool windowfocus --sync "$k" 2>/dev/null || true
  xdotool key --window "$k" F5
  wait_for_window "^$title - message\$" > /dev/null
}

# once OPENER COMMAND...: starts it, opens a window, lets it settle, measures; prints
# "CPU_US WAKEUPS".
once() {
  local opener=$1
  shift
  local pid main attempt
  # On a loaded machine a start now and then shows no window in time: it is ended and
  # started again, up to three times. (A subshell runs this: the program is ended here
  # when anything fails.)
  for attempt in 1 2 3; do
    "$@" > "$work/program.out" 2>&1 &
    pid=$!
    [ "$opener" = open_nothing ] && break
    main=$(wait_for_window "^$title\$") && break
    no_window_report "$pid" "$title"
    kill "$pid" 2> /dev/null
    wait "$pid" 2>/dev/null || true
    echo "idle_cost: no main window on start $attempt ($no_window_report)" >&2
    cat "$work/program.out" >&2
    [ "$attempt" = 3 ] && exit 1
  done
  if [ "$opener" != open_nothing ]; then
    sleep 1
    "$opener" "$main" || { kill "$pid"; echo "idle_cost: $opener failed" >&2; exit 1; }
  fi
  sleep 3
  local c0 w0 c1 w1
  c0=$(cpu_us "$pid") w0=$(wakeups "$pid")
  sleep "$seconds"
  c1=$(cpu_us "$pid") w1=$(wakeups "$pid")
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$((c1 - c0)) $((w1 - w0))"
}

# measure NAME OPENER COMMAND...: the median of the runs; sets $last_cpu and $last_wakes
# (per second).
measure() {
  local name=$1
  shift
  local cpus=() wakes=() r
  for _ in $(seq "$runs"); do
    r=$(once "$@")
    cpus+=("${r% *}")
    wakes+=("${r#* }")
  done
  last_cpu=$(median "${cpus[@]}")
  local w
  w=$(median "${wakes[@]}")
  last_wakes=$(awk -v w="$w" -v s="$seconds" 'BEGIN { printf "%.1f", w / s }')
  printf '%-28s %8.1f ms CPU in %d s (%.3f %%), %6d wake-ups (%.1f/s), %.1f us a wake-up  [runs: %s us]' \
    "$name" "$(awk -v c="$last_cpu" 'BEGIN { print c / 1000 }')" "$seconds" \
    "$(awk -v c="$last_cpu" -v s="$seconds" 'BEGIN { print c / (s * 10000) }')" \
    "$w" "$(awk -v w="$w" -v s="$seconds" 'BEGIN { print w / s }')" \
    "$(awk -v c="$last_cpu" -v w="$w" 'BEGIN { print (w > 0 ? c / w : 0) }')" "${cpus[*]}"
  if [ -n "${bare_cpu:-}" ]; then
    awk -v c="$last_cpu" -v b="$bare_cpu" 'BEGIN { printf "  ratio %.2fx", (b > 0 ? c / b : 0) }'
  fi
  echo
}

program=(env -C "$game" ./tinto)
measure "bare SDL2 loop, 2 timers" open_nothing "$build/bench/idle_cost/idle_bare_loop"
bare_cpu=$last_cpu
bare_wakes=$last_wakes
case " ${IDLE_WINDOWS:-picker} " in
  *" picker "*)
    measure "SDL2 loop, 100 ms marker" open_nothing "$build/bench/idle_cost/idle_bare_loop" --marker
    marker_cpu=$last_cpu marker_wakes=$last_wakes
    measure "a process that only sleeps 100 ms" open_nothing "$build/bench/idle_cost/idle_bare_loop" --sleep
    sleep_cpu=$last_cpu
    ;;
esac
measure "program, viewer closed" open_nothing "${program[@]}"
closed_cpu=$last_cpu
summary=("viewer closed:$last_wakes:$last_cpu")
for window in ${IDLE_WINDOWS:-picker password manual message}; do
  measure "program, $window open" "open_$window" "${program[@]}"
  summary+=("$window open:$last_wakes:$last_cpu")
  [ "$window" = picker ] && picker_cpu=$last_cpu picker_wakes=$last_wakes
done
awk -v c="$closed_cpu" -v b="$bare_cpu" 'BEGIN { r = b > 0 ? c / b : 0; printf "idle ratio, viewer closed: %.2fx (goal under 0.25x: %s)\n", r, r < 0.25 ? "yes" : "NO" }'
# Wake-ups do not depend on the machine's load as CPU time does: the figure to compare.
echo "each window against the bare SDL2 loop with the two timers ($bare_wakes wake-ups/s, $bare_cpu us CPU):"
for entry in "${summary[@]}"; do
  IFS=: read -r name w c <<< "$entry"
  awk -v name="$name" -v w="$w" -v b="$bare_wakes" -v c="$c" -v bc="$bare_cpu" 'BEGIN {
    r = b > 0 ? w / b : 0; rc = bc > 0 ? c / bc : 0
    printf "  %-16s %6.1f wake-ups/s  ratio %.2fx, CPU ratio %.2fx (goal at most 0.15x: %s)\n", name, w, r, rc,
      (r <= 0.15 && rc <= 0.15) ? "yes" : "NO"
  }'
done
if [ -n "${picker_cpu:-}" ] && [ -n "${marker_cpu:-}" ]; then
  awk -v c="$picker_cpu" -v m="$marker_cpu" -v w="$picker_wakes" -v mw="$marker_wakes" 'BEGIN {
    printf "  picker open against the SDL2 loop with a 100 ms marker (%.1f ms CPU, %.1f wake-ups/s): CPU %.2fx, wake-ups %.2fx\n",
      m / 1000, mw, (m > 0 ? c / m : 0), (mw > 0 ? w / mw : 0)
  }'
  awk -v s="$sleep_cpu" -v b="$bare_cpu" 'BEGIN {
    printf "  ten wake-ups a second and nothing else (a process that only sleeps 100 ms at a time): %.1f ms CPU, %.2fx the bare loop: the floor under the picker\n",
      s / 1000, (b > 0 ? s / b : 0)
  }'
fi
