#!/usr/bin/env bash
# End-to-end test of the manual window on a virtual X display: the mouse wheel over the
# main window opens it with its title, white text on black and a scroll bar; the window
# can be resized and draws itself anew at its new size; F1 closes it and opens it again.
#   manual_test.sh TINTO
set -u
TINTO=$1
. "$(dirname "$0")/x_session.sh"
start_xvfb
export SDL_AUDIODRIVER=dummy
GAME="$WORK/game"
mkdir -p "$GAME"
cp "$TINTO" "$GAME/tinto"
(cd "$GAME" && exec ./tinto) > "$WORK/tinto.out" 2> "$WORK/tinto.err" &
TINTO_PID=$!
STARTED_PIDS+=("$TINTO_PID")
MAIN=$(wait_window "Quiro EDIT") || fail_now "the main window did not appear"

# The wheel over the skin (a point of no button) opens the manual.
xdotool mousemove --window "$MAIN" 560 60 click 5
M=$(wait_window "QUIRO EDIT MANUAL") || fail_now "the wheel did not open the manual"
echo "PASS: the wheel opens the manual"

# shot_of NAME: a picture of the manual's client area.
shot_of() {
  sleep 0.3
  import -window "$M" "$WORK/$1.png"
}
# Counts of white pixels (text) and of the thumb's grey in a picture.
white_pixels() { convert "$WORK/$1.png" -fill black +opaque white -fill white -opaque white -format '%[fx:int(mean*w*h+0.5)]' info:; }
size_of() { convert "$WORK/$1.png" -format '%w %h' info:; }

shot_of first
expect "the manual's client size" "$(size_of first)" "444 504"
check "white text on the black page" test "$(white_pixels first)" -gt 3000
expect "black page, grey scroll bar" "$(pixels_of "$WORK/first.png" 200,500 430,3 436,40)" "000000 707070 A0A0A0"

# Resized by the window system, it draws itself at the new size: the scroll bar moves to
# the new right edge and the text fills the page.
xdotool windowsize "$M" 600 300
for _ in $(seq 40); do
  [ "$(xwininfo -id "$M" | awk '/Width:/ {print $2}')" = 600 ] && break
  sleep 0.05
done
shot_of resized
expect "the new size" "$(size_of resized)" "600 300"
expect "the scroll bar at the new edge" "$(pixels_of "$WORK/resized.png" 586,3 586,296 300,150)" "707070 707070 000000"
check "text on the resized page" test "$(white_pixels resized)" -gt 1500

# F1 closes it; F1 in the main window opens it again.
xdotool key --window "$M" F1
for _ in $(seq 40); do
  [ -z "$(xdotool search --onlyvisible --name '^QUIRO EDIT MANUAL$' 2>/dev/null)" ] && break
  sleep 0.05
done
expect "F1 closes the manual" "$(xdotool search --onlyvisible --name '^QUIRO EDIT MANUAL$' 2>/dev/null | wc -l)" 0
xdotool mousemove --window "$MAIN" 560 60 click 1
xdotool key --window "$MAIN" F1
manual_shows() { wait_window "QUIRO EDIT MANUAL" 5 > /dev/null; }
check "F1 in the main window opens it again" manual_shows

kill -TERM "$TINTO_PID"
wait_exit "$TINTO_PID" 10
expect "the program ends with status 0" "$EXIT_STATUS" 0
check "no sanitizer report" bash -c "! grep -Eq 'runtime error|Sanitizer' '$WORK/tinto.err'"
finish
