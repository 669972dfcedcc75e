#!/usr/bin/env bash
# The program's peak memory on hostile pictures (goal: under 48 MB, well inside the 64 MB
# it must stay under): in a folder of pictures at and beyond the viewer's caps, every
# movie and photo film is opened in turn, twice, and the wallpaper gallery paged through;
# first on the simulator (the same application code), then the program itself on a
# virtual display. Peak = the largest resident set (ru_maxrss of the simulator, VmHWM of
# the program).
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
command -v xdotool >/dev/null 2>&1 || { echo "hostile_memory: xdotool is not installed"; exit 1; }
. "$here/../virtual_display.sh"

python3 "$here/hostile_folder.py" "$work/game"
points="678,207 663,157 694,216 679,165 710,207 695,173"
{
  echo "folder $work/game"
  echo "start"
  echo "wait 200"
  # Window points of the movie buttons NOMAL 1..3 and the photo-film buttons 1..3, each
  # opened twice in turn, then four presses of the gallery button.
  for pass in 1 2; do
    for point in $points; do
      echo "click main ${point/,/ } right"  # make a hidden movie available
      echo "wait 400"
      echo "click main ${point/,/ }"
      echo "wait 400"
      echo "key message ENTER"
    done
  done
  for _ in 1 2 3 4; do echo "click main 778 285"; echo "wait 500"; done
} > "$work/script"

python3 - "$build/tinto-sim" "$work/script" <<'PY'
import resource, subprocess, sys
subprocess.run([sys.argv[1], sys.argv[2]], stdout=subprocess.DEVNULL, check=True)
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
print(f"{'simulator, hostile pictures':34} peak {peak:6.1f} MB (goal under 48 MB: {'yes' if peak < 48 else 'NO'})")
PY

cp "$build/tinto" "$work/game/tinto"
(cd "$work/game" && exec ./tinto) > "$work/tinto.out" 2>&1 &
tinto_pid=$!
pids+=("$tinto_pid")
W=
for _ in $(seq 200); do
  W=$(xdotool search --onlyvisible --name '^Quiro EDIT$' 2>/dev/null | head -n1) && [ -n "$W" ] && break
  sleep 0.05
done
if [ -z "$W" ]; then
  no_window_report "$tinto_pid" "Quiro EDIT"
  echo "hostile_memory: the program did not show its window ($no_window_report)"
  cat "$work/tinto.out"
  exit 1
fi
press() { xdotool mousemove --window "$W" "${1%,*}" "${1#*,}" click "$2"; sleep "$3"; }
for pass in 1 2; do
  for point in $points; do
    press "$point" 3 0.6
    press "$point" 1 1.2
    xdotool key --window "$(xdotool search --name '^Quiro EDIT - message$' | head -n1)" Return 2>/dev/null || true
  done
done
for _ in 1 2 3 4; do press 778,285 1 0.6; done
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$tinto_pid/status")
kill -TERM "$tinto_pid"
wait "$tinto_pid" 2>/dev/null || true
awk -v kib="$peak" 'BEGIN { printf "%-34s peak %6.1f MB (goal under 48 MB: %s)\n", "program, hostile pictures", kib / 1024, kib < 48 * 1024 ? "yes" : "NO" }'
