#!/usr/bin/env bash
# Tinto.exe under Wine against the plainest Win32 program with the same window and the
# same two window timers (reference_window.exe), on one virtual display and in the Wine
# prefix of the Windows tests, with the prefix's server kept running (warm starts):
#   start-up  exec to the first paint on the shown window (TINTO_FIRST_PAINT_FILE), the
#             program's first main tick (125 ms: it shows its window then, by design)
#             taken off its figure; STARTUP_RUNS (25) runs of each, interleaved; median
#             and spread (lowest, quartiles, highest). Goal: at most 1.2 x. The ratio of
#             the lower quartiles is printed too: other work on the machine only ever adds
#             to a start, and on a busy machine the medians swing by tens of ms.
#   idle      CPU time (user + system) and wake-ups (voluntary context switches of all
#             threads) of the Windows process over IDLE_SECONDS (20), median of IDLE_RUNS
#             (3) runs, the program in the demo game with its viewer closed; wineserver's
#             CPU and wake-ups as a figure of their own (every Wine call that needs the
#             server wakes it), also with no program running. Goal: at most 0.25 x.
#   playback  the demo game's NOMAL movie 1 zoomed at speed index 99 (a frame at every
#             10 ms tick) against the reference stretching a movie frame to the same
#             place every 10 ms: frames presented (watched from outside through the X
#             damage extension), their period, and CPU time a frame over PLAYBACK_SECONDS
#             (20). Goals as on Linux: period within 1 ms of the reference's, CPU a frame
#             at most 1.5 x.
# WINE_BENCH_PARTS ("startup idle playback") picks some of them.
#   wine_bench.sh WIN_BUILD   (the build folder of `make windows`; see `make bench-windows`)
set -uo pipefail
build=$(cd "${1:?usage: wine_bench.sh WIN_BUILD}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
runs=${STARTUP_RUNS:-25}
seconds=${IDLE_SECONDS:-20}
idle_runs=${IDLE_RUNS:-3}
play_seconds=${PLAYBACK_SECONDS:-20}
parts=${WINE_BENCH_PARTS:-startup idle playback}
TINTO_EXE=$build/cross/Tinto.exe
REFERENCE_EXE=$build/cross/bench/windows/reference_window.exe
DEMO=$build/host/tools/demo_game/demo_game
WATCH=$build/host/present_watch
for f in "$TINTO_EXE" "$REFERENCE_EXE" "$DEMO"; do
  [ -x "$f" ] || { echo "wine_bench: $f is not built (make bench-windows builds it)"; exit 1; }
done

# The prefix of the Windows tests (wine_session.sh reads WINE_PREFIX_DIR).
export WINE_PREFIX_DIR=$build/cross/wine-prefix
# shellcheck source=SCRIPTDIR/../../tests/windows/wine_session.sh
. "$here/../../tests/windows/wine_session.sh"
start_xvfb
start_wine

GAME="$WORK/game"
REF="$WORK/reference"
mkdir -p "$GAME" "$REF"
"$DEMO" "$GAME" > /dev/null
cp "$TINTO_EXE" "$GAME/Tinto.exe"
cp "$REFERENCE_EXE" "$REF/reference_window.exe"
REF_TITLE="Reference window"
# The marker's path as the Windows process names it (drive Z: is the root of this machine).
mark="$WORK/mark"
export TINTO_FIRST_PAINT_FILE="Z:${mark//\//\\}"

# start_reference LOG [ARG]: runs the yardstick from its folder; its pid in REF_PID.
start_reference() {
  (cd "$REF" && exec wine ./reference_window.exe ${2:+"$2"}) > "$WORK/$1.out" 2> "$WORK/$1.err" &
  REF_PID=$!
  STARTED_PIDS+=("$REF_PID")
}
# start KIND LOG [ARG]: the program or the yardstick; its pid in PID.
start() {
  if [ "$1" = program ]; then
    start_wine_tinto "$GAME" "$2"
    PID=$TINTO_PID
  else
    start_reference "$2" "${3:-}"
    PID=$REF_PID
  fi
}
# Ends the Windows process $1 and waits until it is gone (its windows with it).
end_process() {
  kill -TERM "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  local i
  for i in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

# The CPU time of the processes named (all threads), in ms: the scheduler's own count of
# each thread's running time (/proc/PID/task/TID/schedstat, in nanoseconds), which
# /proc/PID/stat would give only in steps of 10 ms; a process that has gone counts nothing.
cpu_ms() {
  local p
  for p in "$@"; do cat /proc/"$p"/task/*/schedstat 2>/dev/null; done |
    awk '{ ns += $1 } END { printf "%d\n", ns / 1000000 }'
}
# The voluntary context switches of all threads of the processes named: each sleep that
# ended (a timer, a message, an answer of the server or of the X server waited for).
wakeups() {
  local p
  for p in "$@"; do cat /proc/"$p"/task/*/status 2>/dev/null; done |
    awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}
# The prefix's server: the wineserver working in the folder named after the prefix's
# device and inode (.../server-DEV-INODE under a private folder of /tmp).
server_dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
server_pid() {
  local p
  for p in $(pgrep -u "$(id -u)" wineserver); do
    [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$server_dir" ] && { echo "$p"; return 0; }
  done
  return 1
}
# The prefix's own Windows processes (services, explorer and the like): every process of
# this user with the prefix in its environment, but the one measured ($1) and the server.
wine_services() {
  local p
  for p in $(pgrep -u "$(id -u)"); do
    [ "$p" = "$1" ] || [ "$p" = "$SERVER" ] && continue
    tr '\0' '\n' 2>/dev/null < "/proc/$p/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
}

# median and spread of numbers: "MEDIAN LOWEST Q1 Q3 HIGHEST" (nearest-rank quartiles).
stats() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    function at(q) { i = int(q * NR + 0.999999); if (i < 1) i = 1; return v[i] }
    END { print at(0.5), v[1], at(0.25), at(0.75), v[NR] }'
}
ratio() { awk -v p="$1" -v r="$2" 'BEGIN { if (r > 0) printf "%.2f", p / r; else print "n/a" }'; }
# times RATIO: "1.23x", or "n/a" when the reference measured nothing.
times() { if [ "$1" = n/a ]; then echo n/a; else echo "${1}x"; fi; }
# per_frame CPU_MS FRAMES: microseconds a frame.
per_frame() { awk -v c="$1" -v f="$2" 'BEGIN { if (f > 0) printf "%.0f", c * 1000 / f; else print 0 }'; }
# verdict RATIO LIMIT: "yes" when the ratio is at most the limit.
verdict() { awk -v r="$1" -v l="$2" 'BEGIN { print (r != "n/a" && r <= l) ? "yes" : "NO" }'; }

echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "wine: $(wine --version 2>/dev/null)"

# --- start-up ---------------------------------------------------------------------------
# nap SECONDS: a pause without starting a process (a read from a pipe nobody writes to),
# so that waiting for a marker takes next to nothing from the start being measured.
exec {nap_fd}<> <(:)
nap() { read -r -t "$1" -u "$nap_fd" || true; }
# start_ms KIND: one start until the first paint; prints exec-to-paint in ms.
start_ms() {
  local t0
  rm -f "$mark"
  t0=$(date +%s%N)
  start "$1" "startup-$1"
  local i
  for i in $(seq 2000); do [ -s "$mark" ] && break; nap 0.005; done
  end_process "$PID"
  [ -s "$mark" ] || { echo "wine_bench: no first paint from the $1" >&2; cat "$WORK/startup-$1.err" >&2; return 1; }
  awk -v t0="$t0" '{ printf "%.1f\n", ($1 - t0) / 1e6 }' "$mark"
}
bench_startup() {
  local ref_starts=() program_starts=() r p
  local ref_med ref_lo ref_q1 ref_q3 ref_hi p_med p_lo p_q1 p_q3 p_hi start_ratio
  for _ in $(seq "$runs"); do
    r=$(start_ms reference) || exit 1
    p=$(start_ms program) || exit 1
    ref_starts+=("$r")
    program_starts+=("$(awk -v p="$p" 'BEGIN { printf "%.1f", p - 125 }')")
  done
  read -r ref_med ref_lo ref_q1 ref_q3 ref_hi <<< "$(stats "${ref_starts[@]}")"
  read -r p_med p_lo p_q1 p_q3 p_hi <<< "$(stats "${program_starts[@]}")"
  start_ratio=$(ratio "$p_med" "$ref_med")
  echo
  echo "== start-up under Wine (exec to first paint; $runs runs each, interleaved)"
  printf '%-34s median %7.1f ms  (lowest %.1f, quartiles %.1f-%.1f, highest %.1f)\n' \
    "reference window" "$ref_med" "$ref_lo" "$ref_q1" "$ref_q3" "$ref_hi"
  printf '%-34s median %7.1f ms  (lowest %.1f, quartiles %.1f-%.1f, highest %.1f)\n' \
    "Tinto.exe, less the 125 ms tick" "$p_med" "$p_lo" "$p_q1" "$p_q3" "$p_hi"
  echo "start-up ratio $(times "$start_ratio") (goal at most 1.2x: $(verdict "$start_ratio" 1.2));" \
    "lower quartiles $(times "$(ratio "$p_q1" "$ref_q1")")"
}

# --- idle ---------------------------------------------------------------------------------
# idle_once KIND: starts it, waits for its window, lets it settle and measures; prints
# "CPU WAKEUPS SERVER_CPU SERVER_WAKEUPS SERVICES_CPU".
idle_once() {
  local title=$REF_TITLE
  [ "$1" = program ] && title="Quiro EDIT"
  start "$1" "idle-$1"
  wait_window "$title" 60 > /dev/null || { echo "wine_bench: no window from the $1" >&2; end_process "$PID"; return 1; }
  sleep 3
  local services c0 w0 s0 sw0 o0 c1 w1 s1 sw1 o1
  services=$(wine_services "$PID")
  # shellcheck disable=SC2086
  c0=$(cpu_ms "$PID") w0=$(wakeups "$PID") s0=$(cpu_ms "$SERVER") sw0=$(wakeups "$SERVER") o0=$(cpu_ms $services)
  sleep "$seconds"
  # shellcheck disable=SC2086
  c1=$(cpu_ms "$PID") w1=$(wakeups "$PID") s1=$(cpu_ms "$SERVER") sw1=$(wakeups "$SERVER") o1=$(cpu_ms $services)
  kill -0 "$PID" 2>/dev/null || { echo "wine_bench: the $1 ended during the measurement" >&2; return 1; }
  end_process "$PID"
  echo "$((c1 - c0)) $((w1 - w0)) $((s1 - s0)) $((sw1 - sw0)) $((o1 - o0))"
}
# The server and the services alone, over the same time.
idle_nothing() {
  local services s0 sw0 o0 s1 sw1 o1
  services=$(wine_services 0)
  # shellcheck disable=SC2086
  s0=$(cpu_ms "$SERVER") sw0=$(wakeups "$SERVER") o0=$(cpu_ms $services)
  sleep "$seconds"
  # shellcheck disable=SC2086
  s1=$(cpu_ms "$SERVER") sw1=$(wakeups "$SERVER") o1=$(cpu_ms $services)
  echo "0 0 $((s1 - s0)) $((sw1 - sw0)) $((o1 - o0))"
}
# idle KIND: the median of each figure over the runs, as "CPU WAKEUPS SERVER_CPU
# SERVER_WAKEUPS SERVICES_CPU"; the runs' CPU times in WORK/idle-KIND.runs.
idle() {
  local cols=([0]="" [1]="" [2]="" [3]="" [4]="") r fields i out=()
  for _ in $(seq "$idle_runs"); do
    if [ "$1" = nothing ]; then r=$(idle_nothing); else r=$(idle_once "$1") || return 1; fi
    read -r -a fields <<< "$r"
    for i in 0 1 2 3 4; do cols[i]+="${fields[i]} "; done
  done
  for i in 0 1 2 3 4; do
    # shellcheck disable=SC2086
    out+=("$(stats ${cols[i]} | cut -d' ' -f1)")
  done
  echo "${cols[0]}" > "$WORK/idle-$1.runs"
  echo "${out[*]}"
}
per_s() { awk -v n="$1" -v s="$seconds" 'BEGIN { printf "%.1f", n / s }'; }

bench_idle() {
  local nothing reference program n_scpu n_swake n_ocpu r_cpu r_wake r_scpu r_swake r_ocpu
  local p_cpu p_wake p_scpu p_swake p_ocpu idle_ratio
  nothing=$(idle nothing) || exit 1
  reference=$(idle reference) || exit 1
  program=$(idle program) || exit 1
  read -r _ _ n_scpu n_swake n_ocpu <<< "$nothing"
  read -r r_cpu r_wake r_scpu r_swake r_ocpu <<< "$reference"
  read -r p_cpu p_wake p_scpu p_swake p_ocpu <<< "$program"
  echo
  echo "== idle under Wine (over $seconds s, median of $idle_runs runs; the program with its viewer closed)"
  printf '%-22s %18s %18s %18s %16s\n' "" "process CPU" "process wake-ups" "wineserver CPU" "server wake-ups"
  printf '%-22s %18s %18s %15s ms %16s\n' "nothing running" "-" "-" "$n_scpu" "$(per_s "$n_swake")/s"
  printf '%-22s %15s ms %16s/s %15s ms %16s\n' "reference window" "$r_cpu" "$(per_s "$r_wake")" "$r_scpu" "$(per_s "$r_swake")/s"
  printf '%-22s %15s ms %16s/s %15s ms %16s\n' "Tinto.exe" "$p_cpu" "$(per_s "$p_wake")" "$p_scpu" "$(per_s "$p_swake")/s"
  echo "process CPU of the runs: reference $(cat "$WORK/idle-reference.runs")ms; Tinto.exe $(cat "$WORK/idle-program.runs")ms"
  echo "the prefix's services (explorer, services, ...): ${n_ocpu} ms with nothing, ${r_ocpu} ms beside the reference, ${p_ocpu} ms beside Tinto.exe"
  idle_ratio=$(ratio "$p_cpu" "$r_cpu")
  echo "idle CPU ratio $(times "$idle_ratio") (goal at most 0.25x: $(verdict "$idle_ratio" 0.25))"
  echo "wake-ups ratio $(times "$(ratio "$p_wake" "$r_wake")"); wineserver CPU ratio $(times "$(ratio "$p_scpu" "$r_scpu")"), its wake-ups $(times "$(ratio "$p_swake" "$r_swake")")"
}

# --- playback -------------------------------------------------------------------------------
# play_measure NAME WINDOW: the presents of the zoomed movie's rectangle (window (0, 45),
# 428 x 320) and the CPU of the process ($PID) and of the server meanwhile; prints
# "FRAMES MEAN_MS SPREAD_MS CPU_MS SERVER_CPU_MS".
play_measure() {
  local c0 s0 c1 s1
  c0=$(cpu_ms "$PID") s0=$(cpu_ms "$SERVER")
  "$WATCH" "$2" "$play_seconds" 0 45 428 320 > "$WORK/$1.watch"
  c1=$(cpu_ms "$PID") s1=$(cpu_ms "$SERVER")
  echo "$(sed -n 's/^frames //p' "$WORK/$1.watch") $(sed -n 's/^mean_ms //p' "$WORK/$1.watch")" \
    "$(sed -n 's/^spread_ms //p' "$WORK/$1.watch") $((c1 - c0)) $((s1 - s0))"
}
# click X Y [PAUSE]: a press and a release at a point of the main window.
click() {
  xdotool mousemove --window "$W" "$1" "$2" sleep 0.05 click 1
  sleep "${3:-0.2}"
}
bench_playback() {
  if [ ! -x "$WATCH" ]; then
    echo
    echo "== playback: skipped (no $WATCH: the host build needs libxdamage-dev)"
    return 0
  fi
  local pf pm ps pc psc rf rm rs rc rsc off play_ratio
  start program play-program
  W=$(wait_window "Quiro EDIT" 60) || { echo "wine_bench: no main window for playback"; exit 1; }
  sleep 1
  # Zoom opens the selected movie (NOMAL 1) zoomed; level 3 starts at index 70 and 29
  # presses of plus bring it to 99.
  click 727 125 0.8
  click 762 140 0.4
  for _ in $(seq 29); do click 740 164; done
  sleep 1
  read -r pf pm ps pc psc <<< "$(play_measure program "$W")"
  end_process "$PID"
  start reference play-reference --stretch
  S=$(wait_window "$REF_TITLE" 60) || { echo "wine_bench: no reference window for playback"; exit 1; }
  sleep 1
  read -r rf rm rs rc rsc <<< "$(play_measure reference "$S")"
  end_process "$PID"
  echo
  echo "== playback under Wine (over $play_seconds s; the zoomed movie's rectangle watched from outside)"
  printf '%-32s %5s frames, period %6s ms (spread %5s ms), CPU %5s ms = %5s us a frame, wineserver %5s us a frame\n' \
    "reference, stretch every 10 ms" "$rf" "$rm" "$rs" "$rc" "$(per_frame "$rc" "$rf")" "$(per_frame "$rsc" "$rf")"
  printf '%-32s %5s frames, period %6s ms (spread %5s ms), CPU %5s ms = %5s us a frame, wineserver %5s us a frame\n' \
    "Tinto.exe, zoomed movie at 99" "$pf" "$pm" "$ps" "$pc" "$(per_frame "$pc" "$pf")" "$(per_frame "$psc" "$pf")"
  off=$(awk -v p="$pm" -v r="$rm" 'BEGIN { printf "%+.2f", p - r }')
  play_ratio=$(ratio "$(per_frame "$pc" "$pf")" "$(per_frame "$rc" "$rf")")
  echo "period: ${off} ms off the reference's (goal within 1 ms: $(awk -v d="$off" 'BEGIN { print (d <= 1 && d >= -1) ? "yes" : "NO" }'))"
  echo "CPU a frame ratio $(times "$play_ratio") (goal at most 1.5x: $(verdict "$play_ratio" 1.5))"
}

# One start of each first, not counted: the server's caches and the services are warm.
start_ms reference > /dev/null || exit 1
start_ms program > /dev/null || exit 1
SERVER=$(server_pid) || { echo "wine_bench: the prefix's wineserver was not found"; exit 1; }
for part in $parts; do
  case $part in
    startup) bench_startup || exit 1 ;;
    idle) bench_idle || exit 1 ;;
    playback) bench_playback || exit 1 ;;
    *) echo "wine_bench: no part named $part"; exit 1 ;;
  esac
done
echo
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
stop_wine
exit 0
