#!/usr/bin/env bash
# Shaped windows on a desktop, bare, under a window manager or under a Wayland compositor
# through XWayland (weston, driven through the compositor's seat): what shows of the main
# window and of the colour picker outside their shapes is what lies behind them, and
# inside the shapes exactly the simulator's pixels; a drag of (100, 50) moves the main
# window by it with the grab point under the pointer, and its pixels stay the skin's; a
# click on the main window leaves the open picker above it; the minimise button either
# minimises or (a compositor that ignores it) leaves the program answering.
# Where the compositor places windows itself their positions are read, not expected.
#   shapes_test.sh DESKTOP TINTO TINTO_SIM XSHAPE_PROBE DEMO_GAME
#     DESKTOP: none, openbox, metacity or weston
set -u
DESKTOP=$1 TINTO=$2 SIM=$3 PROBE=$4 DEMO=$5
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/weston_session.sh"
start_xvfb
case $DESKTOP in
  weston) start_weston ;;
  none) OUTER=$DISPLAY ;;
  *) OUTER=$DISPLAY; start_wm "$DESKTOP" ;;
esac
echo "desktop: $DESKTOP, programs on $DISPLAY"

make_game "$TINTO" "$DEMO"
PART="506 54"            # the 2P contact lenses: opens the picker
GX=$((430 + 116)) GY=6   # the top of the 2P hexagon: no button there
MINIMISE="$((430 + 302)) 110"
CLOCK="674 109 46 16"    # the time of day: "X Y W H" in the main window
SPARKLE="148 38 20 16"   # the picker's sparkling mark at the chosen colour
CANCEL="375 116"         # the picker's cancel button
printf 'folder %s\nscreen 1024 768\nstart\nwait 300\nbuffer main %s\nclick main %s\nwait 500\nsnap picker %s\n' \
  "$GAME" "$WORK/main.bmp" "$PART" "$WORK/picker.bmp" |
  "$SIM" - > "$WORK/sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }

outer import -window root "$WORK/desktop.png"
start_tinto main
W=$(wait_window "$TITLE" 60) || { echo "FAIL: the main window did not appear"; cat "$WORK/main.err"; exit 1; }
echo "the compositor placed the main window at $(window_position "$W")"

# masks WIN NAME [X Y W H]: black-and-white pictures of the window's client area, NAME.in
# white inside its shape, NAME.out white outside it but at least 40 pixels in from the
# window's edges (the compositor draws its shadow round a frameless window there, through
# whatever the window leaves clear); the rectangle is left out of both.
masks() {
  local win=$1 name=$2 w h draw hole=""
  read -r w h <<< "$(xwininfo -id "$win" | awk '/Width:|Height:/ {printf "%s ", $2}')"
  draw=$("$PROBE" "$win" --rects |
    awk '/^rect / {printf "rectangle %d,%d %d,%d ", $2, $3, $2 + $4 - 1, $3 + $5 - 1}')
  [ $# -ge 6 ] && hole="rectangle $3,$4 $(($3 + $5 - 1)),$(($4 + $6 - 1))"
  convert -size "${w}x${h}" xc:black -fill white -draw "$draw" -fill black -draw "${hole:-point -1,-1}" \
    "$WORK/$name.in.png"
  convert -size "${w}x${h}" xc:black -fill white -draw "rectangle 40,40 $((w - 41)),$((h - 41))" \
    -fill black -draw "$draw" -draw "${hole:-point -1,-1}" "$WORK/$name.out.png"
}
# differing MASK A B: how many pixels under the mask's white differ between pictures A
# and B of the mask's size.
differing() {
  convert "$2" "$3" -compose difference -composite -threshold 0 "$1" -compose multiply -composite \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
# shows WIN NAME EXPECTED BEHIND: the compositor's picture of the window holds EXPECTED's
# pixels inside the shape and BEHIND's (a screenshot) outside it; polls, since the
# compositor draws a little later.
shows() {
  local win=$1 name=$2 expected=$3 behind=$4 x y w h i inside="" outside=""
  read -r x y <<< "$(window_position "$win")"
  read -r w h <<< "$(xwininfo -id "$win" | awk '/Width:|Height:/ {printf "%s ", $2}')"
  convert "$behind" -crop "${w}x${h}+$x+$y" +repage "$WORK/$name.behind.png"
  park_pointer
  for i in $(seq 40); do
    outer import -window root -crop "${w}x${h}+$x+$y" +repage "$WORK/$name.shot.png"
    inside=$(differing "$WORK/$name.in.png" "$WORK/$name.shot.png" "$expected")
    outside=$(differing "$WORK/$name.out.png" "$WORK/$name.shot.png" "$WORK/$name.behind.png")
    [ "$inside" = 0 ] && [ "$outside" = 0 ] && break
    sleep 0.25
  done
  expect "$name: inside its shape the simulator's pixels" "$inside pixels differ" "0 pixels differ"
  expect "$name: outside it what lies behind" "$outside pixels differ" "0 pixels differ"
  local probes
  probes=$(convert "$WORK/$name.out.png" -format '%[fx:int(mean*w*h+0.5)]' info:)
  check "$name: the pixels outside checked are many ($probes)" test "$probes" -gt 1000
}

# --- the main window: clear outside the hexagons, the skin inside (the clock left out)
masks "$W" main $CLOCK
sleep 0.5
shows "$W" main "$WORK/main.bmp" "$WORK/desktop.png"

# --- a drag of (100, 50) through the compositor's seat, in steps
read -r x y <<< "$(window_position "$W")"
outer xdotool mousemove $((x + GX)) $((y + GY)) mousedown 1
# A player holds the button a moment before moving: the window manager takes the drag
# over once the program asked it to, and a release before that leaves the window.
sleep 0.5
for step in 1 2 3 4 5; do
  outer xdotool mousemove_relative -- 20 10
  sleep 0.05
done
outer xdotool mouseup 1
check "a drag of (100, 50) moves the main window by it" wait_position "$W" "$((x + 100)) $((y + 50))"
read -r nx ny <<< "$(window_position "$W")"
eval "$(xdotool getmouselocation --shell | sed -n 's/^X=/px=/p; s/^Y=/py=/p')"
expect "the grab point stays under the pointer" "$((px - nx)) $((py - ny))" "$GX $GY"
# And the pixels inside the hexagons are still exactly the skin's where it went.
masks "$W" moved $CLOCK
park_pointer
# Polled: on a busy machine the repaint after the move may reach the screen a little later.
for _ in $(seq 20); do
  sleep 0.25
  outer import -window root "$WORK/shot.png"
  convert "$WORK/shot.png" -crop "844x410+$nx+$ny" +repage "$WORK/moved.shot.png"
  moved_differ=$(differing "$WORK/moved.in.png" "$WORK/moved.shot.png" "$WORK/main.bmp")
  [ "$moved_differ" = 0 ] && break
done
expect "after the drag the hexagons are still the simulator's pixels" \
  "$moved_differ pixels differ" "0 pixels differ"

read -r mx my <<< "$(window_position "$W")"
# --- the picker over the main window
park_pointer
outer import -window root "$WORK/under-picker.png"
outer xdotool mousemove $((mx + ${PART% *})) $((my + ${PART#* })) click 1
P=$(wait_window "$TITLE - colour" 15) || { echo "FAIL: the picker did not open"; exit 1; }
echo "the compositor placed the picker at $(window_position "$P")"
masks "$P" picker $SPARKLE
# The main window behind it changes too (the part button's pressed look): only where
# the main window is clear too does the desktop show through.
"$PROBE" "$W" --rects |
  awk '/^rect / {printf "rectangle %d,%d %d,%d ", $2, $3, $2 + $4 - 1, $3 + $5 - 1}' > "$WORK/main.draw"
read -r px py <<< "$(window_position "$P")"
convert "$WORK/picker.out.png" \( -size 844x410 xc:white -fill black -draw "$(cat "$WORK/main.draw")" \) \
  -geometry "$(printf '%+d%+d' $((mx - px)) $((my - py)))" -compose multiply -composite "$WORK/picker.out.png"
shows "$P" picker "$WORK/picker.bmp" "$WORK/under-picker.png"

# A click on the main window leaves the picker above it. A dialog kept above its owner
# is a transient of it (WM_TRANSIENT_FOR); weston has no "stay above".
outer xdotool mousemove $((mx + GX)) $((my + GY)) click 1
sleep 0.5
picker_above() {
  park_pointer
  outer import -window root -crop "$(xwininfo -id "$P" | awk '/Width:|Height:/ {printf "%s%s", sep, $2; sep = "x"}')+$px+$py" \
    +repage "$WORK/above.png"
  [ "$(differing "$WORK/picker.in.png" "$WORK/above.png" "$WORK/picker.bmp")" = 0 ]
}
check "the picker is a transient of the main window" bash -c "xprop -id '$P' WM_TRANSIENT_FOR | grep -q 'window id'"
check "the picker stays above the main window after a click on it" poll_for 5 picker_above
if picker_above; then
  outer xdotool mousemove $((px + ${CANCEL% *})) $((py + ${CANCEL#* })) click 1
  check "its cancel button closes it" poll_for 10 no_window "$TITLE - colour"
fi

# --- minimise: a compositor may ignore the request; the program must not wait for it
figure() {
  park_pointer
  outer import -window root -crop "71x176+$((mx + 430 + 96))+$((my + 13))" +repage "$WORK/figure.ppm"
  md5sum < "$WORK/figure.ppm"
}
# (Only with the picker closed: while it is open the main window takes no clicks.)
poll_for 5 no_window "$TITLE - colour" || { echo "the picker is still open: minimise not tried"; kill -TERM "$TINTO_PID"; wait_exit "$TINTO_PID" 15; finish; }
before=$(figure)
outer xdotool mousemove $((mx + ${MINIMISE% *})) $((my + ${MINIMISE#* })) click 1
unmapped() { ! xwininfo -id "$W" | grep -q 'Map State: IsViewable'; }
if [ "$DESKTOP" != none ] && poll_for 2 unmapped; then
  echo "PASS: the minimise button minimises the main window"
else
  outer xdotool mousemove $((mx + 430 + 131)) $((my + 89)) click 1
  changed() { [ "$(figure)" != "$before" ]; }
  check "after the minimise button the program still answers a click" poll_for 10 changed
fi


kill -TERM "$TINTO_PID"
wait_exit "$TINTO_PID" 15
expect "SIGTERM ends the program with status 0" "$EXIT_STATUS" 0
check "no error reports" clean_stderr main
finish
