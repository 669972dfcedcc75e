#!/usr/bin/env bash
# Start-up on a virtual display: from exec to the first pixels on a shown window, the
# program (in the demo game folder, without sound) against the plainest SDL2 program
# (startup_first_window). Both write the moment of their first paint to
# TINTO_FIRST_PAINT_FILE; the program's first main tick (125 ms, the moment it shows its
# window by design) is taken off its figure. The two run in turn, STARTUP_RUNS (31) times
# each, so that the machine's moods fall on both alike; the median of each and its spread
# (the middle half of the runs, and the whole range) are given.
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
runs=${STARTUP_RUNS:-31}
source "$(dirname "$0")/../x_bench.sh"
export SDL_AUDIODRIVER=dummy

# start_ms COMMAND...: runs it until its marker appears, prints exec-to-paint in ms.
start_ms() {
  local mark="$work/mark" t0 pid
  rm -f "$mark"
  t0=$(date +%s%N)
  TINTO_FIRST_PAINT_FILE="$mark" "$@" > /dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do [ -s "$mark" ] && break; sleep 0.01; done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -s "$mark" ] || { echo "no first paint from $*" >&2; exit 1; }
  awk -v t0="$t0" '{ printf "%.1f\n", ($1 - t0) / 1e6 }' "$mark"
}

# spread NUMBER...: "quartiles Q1-Q3, range MIN-MAX".
spread() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 }
    END { printf "quartiles %.1f-%.1f, range %.1f-%.1f", v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)], v[1], v[NR] }'
}

# compare GOAL: the runs of both programs in turn, their medians and the ratio (against
# GOAL when there is one).
compare() {
  local bare=() program=() b p pt
  for _ in $(seq "$runs"); do
    bare+=("$(start_ms env -C "$work" "$build/bench/startup/startup_first_window")")
    program+=("$(start_ms env -C "$game" ./tinto)")
  done
  b=$(median "${bare[@]}")
  p=$(median "${program[@]}")
  pt=$(awk -v p="$p" 'BEGIN { printf "%.1f", p - 125 }')
  printf 'minimal SDL2 window        %7.1f ms  (%s; runs: %s)\n' "$b" "$(spread "${bare[@]}")" "${bare[*]}"
  printf 'program, first main window %7.1f ms  (%s; runs: %s)\n' "$p" "$(spread "${program[@]}")" "${program[*]}"
  printf 'program less the 125 ms first tick %.1f ms\n' "$pt"
  awk -v p="$pt" -v b="$b" -v goal="$1" 'BEGIN { r = p / b; printf "start-up ratio %.2fx", r
    if (goal != "") printf " (goal at most %sx: %s)", goal, r <= goal ? "yes" : "NO"
    printf "\n" }'
}

echo "on the bare display:"
compare 1.1
windows=${STARTUP_DESKTOP_WINDOWS:-40}
echo "on a desktop: openbox and $windows other windows:"
openbox --sm-disable > /dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
for i in $(seq "$windows"); do
  xmessage -title "window $i" -geometry "+$((i * 9))+$((i * 6))" "window $i" > /dev/null 2>&1 &
  pids+=($!)
done
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --name '^window [0-9]+$' 2>/dev/null | wc -l)" -ge "$windows" ] && break
  sleep 0.05
done
compare ""
