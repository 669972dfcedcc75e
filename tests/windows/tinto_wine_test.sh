#!/usr/bin/env bash
# End-to-end test of Tinto.exe under Wine on a virtual display, in a fresh game folder
# with a Japanese name: the main window is found by its title, writes the start-up
# measurements' first-paint marker, has the simulator's shape and shows the skin; the 2P
# panel's save button writes "Xx.txt" byte for byte as the simulator of this machine
# writes it, and its random button recolours the panel on screen; a second copy hands
# over to the first; closing after a save brings the restart notice, and answering it
# ends the program with status 0.
#   tinto_wine_test.sh PREFIX TINTO_EXE HOST_SIM XSHAPE_PROBE DEMO_GAME
set -u
WINE_PREFIX_DIR=$1 TINTO=$2 SIM=$3 PROBE=$4 DEMO=$5
. "$(dirname "$0")/wine_session.sh"
start_xvfb
start_wine

TITLE="Quiro EDIT"
GAME="$WORK/ゲーム"
mkdir -p "$GAME" "$WORK/reference"
"$DEMO" "$GAME" > /dev/null
"$DEMO" "$WORK/reference" > /dev/null
cp "$TINTO" "$GAME/Tinto.exe"

# The simulator's account of the same start and the same save: window position, region
# area, the main window's back buffer after the first main tick, and the colour file.
printf 'folder %s\nscreen 1024 768\nstart\nwait 300\nbuffer main %s\nclick main 459 110\nwait 200\n' \
  "$WORK/reference" "$WORK/buffer.bmp" | "$SIM" - > "$WORK/sim.log" ||
  { echo "FAIL: the simulator did not run"; exit 1; }
sim_position=$(sed -n 's/^0 moved main \([-0-9]*\) \([-0-9]*\)$/\1 \2/p' "$WORK/sim.log")
sim_area=$(sed -n 's/^0 region main //p' "$WORK/sim.log")

# start_tinto LOG: runs the program from the game folder; its pid in TINTO_PID.
start_tinto() { start_wine_tinto "$GAME" "$1"; }

# The start-up measurements' marker: the moment of the first paint, in nanoseconds of the
# real-time clock, written once to the file named (as a Windows path) in the environment.
mark="$WORK/first-paint"
started=$(date +%s%N)
TINTO_FIRST_PAINT_FILE="Z:${mark//\//\\}" start_tinto main
W=$(wait_window "$TITLE" 60) || { echo "FAIL: the main window did not appear"; cat "$WORK/main.err"; exit 1; }
echo "start-up under Wine: $(( ($(date +%s%N) - started) / 1000000 )) ms to the main window"
painted_in_time() {
  local at
  at=$(cat "$mark" 2>/dev/null) || return 1
  [[ $at =~ ^[0-9]+$ ]] && [ "$(wc -l < "$mark")" -eq 1 ] && [ "$at" -gt "$started" ] &&
    [ "$at" -lt "$(date +%s%N)" ]
}
check "the first paint's marker: one line, a moment after the start" poll_for 5 painted_in_time
expect "one window of the title, the main one" "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" 1
expect "placed as the simulator places it" \
  "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')" "$sim_position "

# --- shape: the three hexagons of the skin, right of the 430-pixel viewer area
shape=$("$PROBE" "$W" --rects 546,100 546,309 727,204 429,100 430,0 843,0 843,409 0,0)
expect "shape area equals the simulator's region" "$(sed -n 's/^area //p' <<< "$shape")" "$sim_area"
for point in "546,100 in" "546,309 in" "727,204 in" "429,100 out" "843,0 out" "0,0 out"; do
  check "shape: $point" grep -qx "$point" <<< "$shape"
done

# --- pixels: the simulator's back buffer inside the shape, the white root outside
sleep 0.5
read -r wx wy <<< "$sim_position"
check_main_skin_on_screen "$wx" "$wy" "$shape" "$WORK/buffer.bmp"

# --- single instance: a second copy hands over to the first and ends at once
(cd "$GAME" && timeout 60 wine ./Tinto.exe > "$WORK/second.out" 2> "$WORK/second.err")
expect "a second copy ends with status 0" "$?" 0
expect "and makes no window" "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" 1
check "the first copy runs on" kill -0 "$TINTO_PID"

# --- the 2P panel: save writes the colour file as this machine's build writes it; the
# random button recolours the heroine on screen
check "no colour file before the save" test ! -e "$GAME/Xx.txt"
xdotool mousemove --window "$W" $((430 + 29)) 110 click 1
saved() { wait_line "$GAME/Xx.txt" '^//end' 10; }
check "the save button writes the colour file" saved
check "Xx.txt byte for byte as the simulator writes it" cmp "$GAME/Xx.txt" "$WORK/reference/Xx.txt"
panel() {  # the 2P figure's pixels on screen, as a checksum
  import -window root -crop "71x176+$((wx + 430 + 96))+$((wy + 13))" +repage "$WORK/panel.ppm"
  md5sum < "$WORK/panel.ppm"
}
before=$(panel)
xdotool mousemove --window "$W" $((430 + 47)) 100 click 1
recoloured() {
  local i
  for i in $(seq 40); do
    [ "$(panel)" != "$before" ] && return 0
    sleep 0.25
  done
  return 1
}
check "the random button recolours the panel on screen" recoloured

# --- closing: after a save the restart notice comes first; answering it ends the program
xdotool mousemove --window "$W" 770 115 click 1
N=$(wait_window "$TITLE - message" 20)
check "after a save, closing shows the restart notice" test -n "$N"
[ -n "$N" ] && xdotool mousemove --window "$N" 10 10 && xdotool key --window "$N" Return && xdotool key Return
wait_exit "$TINTO_PID" 30
expect "the program ends with status 0" "$EXIT_STATUS" 0

stop_wine
finish
