#!/usr/bin/env bash
# End-to-end test of the viewer panel on a virtual X display: opening a movie adds the
# panel to the window's shape as the X server holds it, the screen shows the movie's
# first frame there (held against the simulator's back buffer of the same presses), and
# stopping the viewer takes the panel out of the shape again.
#   viewer_test.sh TINTO TINTO_SIM XSHAPE_PROBE DEMO_GAME
set -u
TINTO=$1 SIM=$2 PROBE=$3 DEMO=$4
. "$(dirname "$0")/x_session.sh"
start_xvfb

TITLE="Quiro EDIT"
GAME="$WORK/game"
mkdir -p "$GAME"
"$DEMO" "$GAME" > /dev/null || { echo "FAIL: the demo game folder could not be made"; exit 1; }
cp "$TINTO" "$GAME/tinto"
export SDL_AUDIODRIVER=dummy

# Skin (315, 152) is the frame-step button, (297, 152) stop; a step with the viewer closed
# opens the selected movie (NOMAL 1 of the demo game) paused on its first frame.
STEP="745 152"
STOP="727 152"
INSIDE=300,200   # in the movie's rectangle, left of the skin
printf 'folder %s\nscreen 1024 768\nstart\nwait 300\nclick main %s\nwait 500\nbuffer main %s\nclick main %s\nwait 500\n' \
  "$GAME" "$STEP" "$WORK/buffer.bmp" "$STOP" | "$SIM" - > "$WORK/sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }
areas=($(sed -n 's/^[0-9]* region main //p' "$WORK/sim.log"))
# The start, the hide before the opening, the opened panel, the hide of the stop.
expect "the simulator's region changes" "${#areas[@]}" 4
closed_area=${areas[0]} open_area=${areas[2]}
read -r wx wy <<< "$(sed -n 's/^0 moved main \([-0-9]*\) \([-0-9]*\)$/\1 \2/p' "$WORK/sim.log")"

(cd "$GAME" && exec ./tinto) > "$WORK/main.out" 2> "$WORK/main.err" &
TINTO_PID=$!
STARTED_PIDS+=("$TINTO_PID")
W=$(wait_window "$TITLE") || fail_now "the main window did not appear"

area() { "$PROBE" "$W" "$INSIDE" | sed -n 's/^area //p'; }
# wait_area AREA: polls the shape until it has that area (up to 10 s).
wait_area() {
  local i
  for i in $(seq 200); do
    [ "$(area)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}
check "closed: the shape is the skin's hexagons" wait_area "$closed_area"
check "closed: nothing left of the skin" grep -qx "$INSIDE out" <<< "$("$PROBE" "$W" "$INSIDE")"

xdotool mousemove --window "$W" $STEP click 1
check "a movie opens: the shape grows by the panel" wait_area "$open_area"
check "open: the movie's rectangle is inside" grep -qx "$INSIDE in" <<< "$("$PROBE" "$W" "$INSIDE")"

# The movie's rectangle on screen against the simulator's back buffer.
sleep 0.3
import -window root -crop "214x160+$((wx + 220))+$((wy + 125))" +repage "$WORK/actual.png"
convert "$WORK/buffer.bmp" -crop "214x160+220+125" +repage "$WORK/expected.png"
differing=$(convert "$WORK/actual.png" "$WORK/expected.png" -compose difference -composite -threshold 0 \
  -format '%[fx:int(mean*w*h+0.5)]' info:)
expect "the screen shows the movie's first frame in the panel" "$differing" 0

xdotool mousemove --window "$W" $STOP click 1
check "stop: the shape shrinks back to the hexagons" wait_area "$closed_area"
check "stop: the movie's rectangle is outside again" grep -qx "$INSIDE out" <<< "$("$PROBE" "$W" "$INSIDE")"

kill -TERM "$TINTO_PID"
wait_exit "$TINTO_PID" 10
expect "SIGTERM ends the program with status 0" "$EXIT_STATUS" 0
check "no error reports" bash -c "! grep -Eq 'runtime error|Sanitizer|X Error' '$WORK/main.err'"
finish
