#!/usr/bin/env bash
# Peak memory (VmHWM) of the real program through a session that opens every window and
# plays every kind of media, driven from outside with xdotool on a virtual display in
# the demo game folder (sound to SDL's dummy driver), against the bare SDL2 loop's peak
# with one window shown. Goal: under 40 MB (the program's cap is 64 MB). The session's
# steps are the table below.
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
source "$(dirname "$0")/../x_bench.sh"
export SDL_AUDIODRIVER=dummy
title="Quiro EDIT"
xdnd="$build/bench/peak_memory/bench_xdnd_send"

hwm_kb() { awk '/^VmHWM/ {print $2}' "/proc/$1/status"; }
# click X Y: a left click at a point of the main window's skin (430 pixels in).
click() { xdotool mousemove --window "$main" $((430 + $1)) "$2" click 1; sleep "${3:-0.5}"; }
gone() {
  for _ in $(seq 200); do
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.05
  done
  return 1
}

# The steps, in order: each opens a window or plays something and brings the program
# back to its main window.
step_picker() {  # a part button of each panel, an entry, OK
  for y in 39 $((39 + 209)); do
    click $((61 + 15)) $((y + 15))
    local p
    p=$(wait_for_window "^$title - colour\$")
    xdotool mousemove --window "$p" 100 20 click 1; sleep 0.3
    xdotool mousemove --window "$p" 398 112 click 1
    gone "^$title - colour\$"
  done
}
step_password() {  # Space, a wrong password, Enter, Escape
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  xdotool key --window "$main" space
  local k
  k=$(wait_for_window "^$title - password\$")
  xdotool windowfocus --sync "$k" 2>/dev/null || true
  xdotool type --delay 20 --window "$k" "abcdefgh"
  xdotool key --window "$k" Return; sleep 1
  xdotool key --window "$k" Escape
  gone "^$title - password\$"
}
step_manual() {  # the wheel opens it, scrolled through, F1 closes it
  xdotool mousemove --window "$main" 560 60 click 5
  local m
  m=$(wait_for_window "QUIRO EDIT MANUAL")
  for _ in $(seq 10); do xdotool mousemove --window "$m" 200 200 click 5; done
  xdotool key --window "$m" F1
  gone "QUIRO EDIT MANUAL"
}
step_music() {  # the demo songs dropped (MIDI, MP3, WAV), played, the next song
  "$xdnd" "$main" "$music"/* > /dev/null
  sleep 1
  click 304 259 2
  click 318 267 2
  click 304 259 1
}
step_alarm() {  # the alarm sound previewed, the next one, previewed
  click 346 259 1
  click 360 267 1
  click 346 259 1
}
step_countdown() {  # the countdown set and reset
  click 344 298 0.2
  click 344 298 0.2
  click 320 298 0.5
}
# answer_notice: a notice that a step may bring (a movie newly unlocked, a secret
# wallpaper installed) is answered with Enter.
answer_notice() {
  local n
  if n=$(xdotool search --onlyvisible --name "^$title - message\$" 2>/dev/null | head -n1) && [ -n "$n" ]; then
    xdotool windowfocus --sync "$n" 2>/dev/null || true
    xdotool key --window "$n" Return
    gone "^$title - message\$"
  fi
}
step_movie() {  # NOMAL movie 1 played, zoomed, stepped, stopped
  click 249 207 1.5; answer_notice
  click 297 125 1.5
  click 315 152 0.5
  click 297 152 0.5
}
step_photo_film() {  # photo film 1 played, zoomed, stopped
  click 233 157 1.5
  click 297 125 1.5
  click 297 152 0.5
}
step_wallpaper() {  # the gallery paged through to the secret wallpapers, each installed
  for _ in 1 2 3 4 5 6; do
    click 348 285 1.2; answer_notice
  done
  click 297 152 0.5
}
steps=(step_picker step_password step_manual step_music step_alarm step_countdown
       step_movie step_photo_film step_wallpaper)

"$build/bench/idle_cost/idle_bare_loop" > /dev/null 2>&1 &
bare=$!
pids+=("$bare")
env -C "$game" ./tinto > "$work/tinto.out" 2>&1 &
pid=$!
pids+=("$pid")
main=$(wait_for_window "^$title\$") || { echo "peak_memory: no main window"; exit 1; }
sleep 1
printf '%-18s %8s\n' "after" "VmHWM"
printf '%-18s %6d kB\n' "start-up" "$(hwm_kb "$pid")"
for step in "${steps[@]}"; do
  "$step" || { echo "peak_memory: $step did not finish"; exit 1; }
  printf '%-18s %6d kB\n' "${step#step_}" "$(hwm_kb "$pid")"
done
kill -0 "$pid" 2>/dev/null || { echo "peak_memory: the program ended during the session"; exit 1; }
peak=$(hwm_kb "$pid")
ref=$(hwm_kb "$bare")
awk -v p="$peak" -v r="$ref" 'BEGIN {
  printf "peak memory: program %.1f MB, bare SDL2 loop %.1f MB, ratio %.2fx (goal under 40 MB: %s)\n",
    p / 1024, r / 1024, p / r, p < 40960 ? "yes" : "NO" }'
