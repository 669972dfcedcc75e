# Shared by the measurements that run the real program in the demo game: sourced, with
# $build set. On the virtual display of virtual_display.sh (DISPLAY exported, no sound,
# whatever is started ended at exit through $pids, cpu_ms), makes a demo game folder
# with the program in it ($game) and music files for dropping ($music).
. "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
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
