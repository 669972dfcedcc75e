# Shared by the measurements that run the real program: sourced, with $build set. Starts
# a virtual display (DISPLAY is exported), makes a demo game folder with the program in
# it ($game) and music files for dropping ($music), and ends whatever was started (pids in $pids) when the script exits.
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed"; exit 1; }
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
# A folder of our own for the program's single-instance lock, so that no copy left
# running elsewhere on a display of the same number takes our start for a second one.
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

game="$work/game"
music="$work/music"
mkdir -p "$game" "$music"
[ -x "$build/tools/demo_game/demo_game" ] && "$build/tools/demo_game/demo_game" "$game" "$music" > /dev/null
cp "$build/tinto" "$game/tinto"

# median NUMBER...: the middle value (the lower of the two middle ones for an even count).
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# wait_for_window NAME: waits (up to 20 s) for a shown window of that name, prints its id.
wait_for_window() {
  local id=""
  for _ in $(seq 400); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && break
    sleep 0.05
  done
  [ -n "$id" ] && echo "$id"
}
