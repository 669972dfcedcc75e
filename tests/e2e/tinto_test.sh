#!/usr/bin/env bash
# End-to-end test of the whole program on a virtual X display, in a fresh game folder:
# the main window appears after the first main tick with the three-hexagon shape and the
# skin's pixels (held against the simulator's picture of the same start), a second copy
# hands over to the first, the host game question comes up while the host game runs, and
# colour editing recolours the panel on screen and saves the colour file, and SIGTERM ends
# the program at once with status 0, as the end of the session does.
#   tinto_test.sh TINTO TINTO_SIM XSHAPE_PROBE [DEMO_GAME]
set -u
TINTO=$1 SIM=$2 PROBE=$3 DEMO=${4:-}
. "$(dirname "$0")/x_session.sh"
start_xvfb

make_game "$TINTO" "$DEMO"

# The simulator's account of the same start on the same screen: window position and
# region areas, and the main window's back buffer after the first main tick.
printf 'folder %s\nscreen 1024 768\nstart\nwait 300\nbuffer main %s\n' "$GAME" "$WORK/buffer.bmp" |
  "$SIM" - > "$WORK/sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }
sim_position=$(sed -n 's/^0 moved main \([-0-9]*\) \([-0-9]*\)$/\1 \2/p' "$WORK/sim.log")
sim_area=$(sed -n 's/^0 region main //p' "$WORK/sim.log")
sim_message_area=$(sed -n 's/^0 region message //p' "$WORK/sim.log")

start_tinto main
W=$(wait_window "$TITLE") || fail_now "the main window did not appear"
expect "one window of the title, the main one" "$(xdotool search --name "^$TITLE\$" | wc -l)" 1
expect "placed as the simulator places it" \
  "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')" "$sim_position "

# --- shape: the three hexagons of the skin, right of the 430-pixel viewer area
shape=$("$PROBE" "$W" --rects 546,100 546,309 727,204 429,100 430,0 843,0 843,409 0,0)
expect "shape area equals the simulator's region" "$(sed -n 's/^area //p' <<< "$shape")" "$sim_area"
expect "shape bounds: the skin's 414 x 410" "$(sed -n 's/^bounds //p' <<< "$shape")" "430 0 414 410"
for point in "546,100 in" "546,309 in" "727,204 in" "429,100 out" "430,0 out" "843,0 out" \
             "843,409 out" "0,0 out"; do
  check "shape: $point" grep -qx "$point" <<< "$shape"
done

# --- pixels: the simulator's back buffer inside the shape, the white root outside
sleep 0.3
read -r wx wy <<< "$sim_position"
check_main_skin_on_screen "$wx" "$wy" "$shape" "$WORK/buffer.bmp"

# --- single instance: a second copy raises and focuses the first and ends at once
xmessage -title cover -geometry 900x500+0+0 "cover" &
COVER_PID=$!
STARTED_PIDS+=("$COVER_PID")
C=$(wait_window cover 5)
xdotool windowfocus --sync "$C" 2>/dev/null
stacking() {  # xwininfo lists the root's children top first
  xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
    case $((id)) in "$W") echo main ;; "$C") echo cover ;; esac
  done | tr '\n' ' '
}
expect "the cover lies above the main window" "$(stacking)" "cover main "
(cd "$GAME" && timeout 20 ./tinto > "$WORK/second.out" 2> "$WORK/second.err")
expect "a second copy ends at once with status 0" "$?" 0
expect "and makes no window" "$(xdotool search --name "^$TITLE\$" | wc -l)" 1
expect "the first copy's window is raised" "$(stacking)" "main cover "
expect "and has the focus" "$(xdotool getwindowfocus)" "$W"
kill "$COVER_PID"

# --- colour editing: the 2P panel's random button recolours the heroine on screen; the
# save button writes the colour file
panel() {  # the 2P figure's pixels on screen, as a checksum
  import -window root -crop "71x176+$((wx + 430 + 96))+$((wy + 13))" +repage "$WORK/panel.ppm"
  md5sum < "$WORK/panel.ppm"
}
before=$(panel)
xdotool mousemove --window "$W" $((430 + 47)) 100 click 1
sleep 0.5
after=$(panel)
check "the random button changes the panel's pixels" test "$before" != "$after"
check "no colour file before the save" test ! -e "$GAME/Xx.txt"
xdotool mousemove --window "$W" $((430 + 29)) 110 click 1
saved() { wait_line "$GAME/Xx.txt" '^//end$' 5; }
check "the save button writes the colour file" saved

# --- SIGTERM after a save ends the session's way: the restart notice is not waited for
# (nobody answers it here), status 0, the colour file as saved
saved_file=$(md5sum < "$GAME/Xx.txt")
started=$(date +%s%N)
kill -TERM "$TINTO_PID"
wait_exit "$TINTO_PID" 10
echo "SIGTERM to the end of the program: $((($(date +%s%N) - started) / 1000000)) ms"
expect "SIGTERM after a save ends the program with status 0" "$EXIT_STATUS" 0 ||
  tail -n 20 "$WORK/main.err"
expect "and the colour file is the saved one" "$(md5sum < "$GAME/Xx.txt")" "$saved_file"
check "no error reports" clean_stderr main

# --- host game running: the question comes first, in the message window
show_host_game +0+600
for answer in Escape Return; do
  start_tinto "host-$answer"
  M=$(wait_window "$TITLE - message" 10)
  check "host game running: the question shows ($answer)" test -n "$M"
  expect "the main window stays hidden meanwhile" \
    "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" 0
  expect "message window shape equals the simulator's region" \
    "$("$PROBE" "$M" | sed -n 's/^area //p')" "$sim_message_area"
  xdotool key "$answer"
  if [ "$answer" = Escape ]; then
    shown() { wait_window "$TITLE" 5 > /dev/null; }
    check "CANSEL: the main window appears" shown
    kill -TERM "$TINTO_PID"
    wait_exit "$TINTO_PID" 10
    expect "and SIGTERM ends it with status 0" "$EXIT_STATUS" 0
  else
    wait_exit "$TINTO_PID" 10
    expect "OK: the program ends with status 0" "$EXIT_STATUS" 0
    expect "without showing the main window" "$(grep -c . "$WORK/host-$answer.out")" 0
  fi
  check "no error reports ($answer)" clean_stderr "host-$answer"
done

finish
