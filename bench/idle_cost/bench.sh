#!/usr/bin/env bash
# The CPU time an idle program costs, on a virtual display: the bare SDL2 loop with the
# two timers (idle_bare_loop) against the program itself in the demo game folder, first
# with its viewer closed, then with the colour picker, the password window and the manual
# open. All run without sound (an audio driver mixes silence all the time, which would
# measure the driver). CPU time (user + system, from /proc/PID/stat) and wake-ups
# (voluntary context switches) over IDLE_SECONDS (20), median of IDLE_RUNS (3) runs; the
# ratio is the program's CPU time over the bare loop's (goal for the closed viewer:
# under 0.25x).
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
seconds=${IDLE_SECONDS:-20}
runs=${IDLE_RUNS:-3}
source "$(dirname "$0")/../x_bench.sh"
title="Quiro EDIT"

wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status"; }

# The ways to open a window, as a person would (window-relative points of the main
# window: its skin starts 430 pixels to the right).
open_nothing() { :; }
open_picker() { xdotool mousemove --window "$1" $((430 + 61 + 15)) $((39 + 15)) click 1; wait_for_window "^$title - colour\$" > /dev/null; }
open_password() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --window "$1" space; wait_for_window "^$title - password\$" > /dev/null; }
open_manual() { xdotool mousemove --window "$1" 560 60 click 5; wait_for_window "QUIRO EDIT MANUAL" > /dev/null; }

# once OPENER COMMAND...: starts it, opens a window, lets it settle, measures; prints
# "CPU_MS WAKEUPS".
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
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "idle_cost: no main window on start $attempt" >&2
    cat "$work/program.out" >&2
    [ "$attempt" = 3 ] && exit 1
  done
  if [ "$opener" != open_nothing ]; then
    sleep 1
    "$opener" "$main" || { kill "$pid"; echo "idle_cost: $opener failed" >&2; exit 1; }
  fi
  sleep 3
  local c0 w0 c1 w1
  c0=$(cpu_ms "$pid") w0=$(wakeups "$pid")
  sleep "$seconds"
  c1=$(cpu_ms "$pid") w1=$(wakeups "$pid")
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$((c1 - c0)) $((w1 - w0))"
}

# measure NAME OPENER COMMAND...: the median of the runs; sets $last_cpu.
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
  printf '%-28s %6d ms CPU in %d s (%.2f %%), %6d wake-ups (%.1f/s)  [runs: %s ms]' "$name" "$last_cpu" \
    "$seconds" "$(awk -v c="$last_cpu" -v s="$seconds" 'BEGIN { print c / (s * 10) }')" \
    "$w" "$(awk -v w="$w" -v s="$seconds" 'BEGIN { print w / s }')" "${cpus[*]}"
  if [ -n "${bare_cpu:-}" ]; then
    awk -v c="$last_cpu" -v b="$bare_cpu" 'BEGIN { printf "  ratio %.2fx", (b > 0 ? c / b : 0) }'
  fi
  echo
}

program=(env -C "$game" ./tinto)
measure "bare SDL2 loop, 2 timers" open_nothing "$build/bench/idle_cost/idle_bare_loop"
bare_cpu=$last_cpu
measure "program, viewer closed" open_nothing "${program[@]}"
closed_cpu=$last_cpu
measure "program, picker open" open_picker "${program[@]}"
measure "program, password open" open_password "${program[@]}"
measure "program, manual open" open_manual "${program[@]}"
awk -v c="$closed_cpu" -v b="$bare_cpu" 'BEGIN { r = b > 0 ? c / b : 0; printf "idle ratio, viewer closed: %.2fx (goal under 0.25x: %s)\n", r, r < 0.25 ? "yes" : "NO" }'
