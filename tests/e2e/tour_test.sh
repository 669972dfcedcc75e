#!/usr/bin/env bash
# A tour of the program on a virtual X display in the demo game's folder, in one run,
# driven only by clicks and keys at the windows' client points, with SDL's disk audio
# driver writing what it plays into a file. The simulator makes the same presses in a
# copy of the folder; the screen must show its pictures at the exact rectangles:
#   a movie paused on its first frame, zoomed, its rotation switch lit, and played with
#   the rotation on until the row's next movie takes over;
#   a photo film that plays, then paused on its first frame;
#   the wallpaper gallery through wallpapers 1 to 4, the fourth installing X_b04.jpg and
#   X_s04.jpg, with its notice shown and answered;
#   the colour picker opened from a part button, an entry and OK, and the save writing
#   the same colour file as the simulator's;
#   the countdown set to six seconds by its minus button, the close button's restart
#   notice up when the looping alarm rings and its panel blinks in the skin's lit look, a
#   click in the notice stopping sound and blinking, and Enter then ending the program
#   with status 0.
#   tour_test.sh TINTO TINTO_SIM XSHAPE_PROBE DEMO_GAME
set -u
TINTO=$1 SIM=$2 PROBE=$3 DEMO=$4
. "$(dirname "$0")/x_session.sh"
for tool in od identify cmp; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
start_xvfb

make_game "$TINTO" "$DEMO"
SIMGAME="$WORK/simgame"
mkdir -p "$SIMGAME"
"$DEMO" "$SIMGAME" > /dev/null || { echo "FAIL: the demo game folder could not be made"; exit 1; }

# Client points of the main window: the skin lies 430 pixels right of the viewer's area.
STEP="745 152" STOP="727 152" PLAY="733 138" NOMAL2="695 216" ZOOM="727 125" ROTATION="656 206" FILM="670 157"
WALLPAPER="778 285" PART="506 54" SAVE="459 110" LOOP="757 256" MINUS="726 298" CLOSE="770 115"
# Client rectangles "W H X Y" of the viewer's panels, the rotation switch and the 2P
# contact-lens icon.
MOVIE_RECT="214 160 220 125" ZOOMED_RECT="428 320 0 45" PHOTO_RECT="148 108 301 151"
ALARM_RECT="83 26 712 278" WALL_RECT="320 240 108 85" TITLE_RECT="200 50 0 45" SWITCH_RECT="15 10 649 201" ICON_RECT="26 21 495 42"
PICKER_ENTRY="100 20" PICKER_OK="398 112" NOTICE_OK="253 131"

# The simulator's pictures of the same presses; a press waits for the effect of the last.
s() { echo "$*"; }
{
  s folder "$SIMGAME"; s screen 1024 768; s start; s wait 300
  s click main $STEP; s wait 600; s snap main "$WORK/movie.bmp"
  s click main $ZOOM; s wait 600; s click main $STOP; s wait 600
  s click main $STEP; s wait 600; s snap main "$WORK/zoomed.bmp"
  s click main $ROTATION; s wait 300; s snap main "$WORK/rotation.bmp"
  s click main $STOP; s wait 600
  s click main $FILM; s wait 600; s click main $STOP; s wait 600
  s click main $STEP; s wait 600; s snap main "$WORK/photo.bmp"
  s click main $STOP; s wait 600
  for n in 1 2 3 4; do s click main $WALLPAPER; s wait 1500; s snap main "$WORK/wall$n.bmp"; done
  s snap message "$WORK/notice.bmp"
  s click message $NOTICE_OK; s wait 500
  s click main $PART; s wait 500; s snap picker "$WORK/picker.bmp"
  s click picker $PICKER_ENTRY; s wait 300; s click picker $PICKER_OK; s wait 500
  s snap main "$WORK/picked.bmp"
  s click main $SAVE; s wait 500
  s skin BASE2 "$WORK/base2.bmp"
} > "$WORK/tour.sim"
"$SIM" "$WORK/tour.sim" > "$WORK/sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }
# The ringing alarm panel's lit look: the skin's BASE2 where the window shows the skin.
convert -size 844x410 xc:black "$WORK/base2.bmp" -geometry +430+0 -composite "$WORK/lit.bmp"
# The second movie of the row, zoomed and paused on its first frame, from its own button
# (whose unlocking notice is answered) in a second copy of the folder.
mkdir -p "$WORK/simgame2"
"$DEMO" "$WORK/simgame2" > /dev/null
{
  s folder "$WORK/simgame2"; s start; s wait 300
  s click main $STEP; s wait 600; s click main $ZOOM; s wait 600; s click main $STOP; s wait 600
  s click main $NOMAL2; s wait 600; s key message ENTER; s wait 600
  s click main $STOP; s wait 600; s click main $STEP; s wait 600; s snap main "$WORK/nomal2.bmp"
} | "$SIM" - > "$WORK/sim2.log" || { echo "FAIL: the simulator did not run"; exit 1; }

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw"
start_tinto tour
W=$(wait_window "$TITLE") || fail_now "the main window did not appear"
read -r wx wy <<< "$(window_position "$W")"
click() { xdotool mousemove --window "$W" "$1" "$2" click 1; }

# same_as NAME SNAP "W H X Y" [WINDOW]: polls (up to 15 s, or SAME_SECONDS) until the
# window's client rectangle on screen equals the same rectangle of the simulator's picture
# SNAP; with SAME_WHITE_ONLY set only where the pure white pixels lie counts.
same_as() {
  local name=$1 snap=$2 w h x y win=${4:-$W} i ox oy differing="" keep=()
  read -r w h x y <<< "$3"
  read -r ox oy <<< "$(window_position "$win")"
  [ -n "${SAME_WHITE_ONLY:-}" ] && keep=(-fill black +opaque white)
  convert "$WORK/$snap.bmp" -crop "${w}x${h}+$x+$y" +repage "${keep[@]}" "$WORK/$snap.expected.png"
  # Only what lies inside the window's shape counts: outside it the screen shows what is
  # below the window.
  local draw
  draw=$("$PROBE" "$win" --rects | awk -v x="$x" -v y="$y" \
    '/^rect / {printf "rectangle %d,%d %d,%d ", $2 - x, $3 - y, $2 - x + $4 - 1, $3 - y + $5 - 1}')
  convert -size "${w}x${h}" xc:black -fill white -draw "${draw:-point -1,-1}" "$WORK/$snap.mask.png"
  for i in $(seq $((${SAME_SECONDS:-15} * 4))); do
    import -window root -crop "${w}x${h}+$((ox + x))+$((oy + y))" +repage "$WORK/$snap.actual.png"
    differing=$(convert "$WORK/$snap.actual.png" "${keep[@]}" "$WORK/$snap.expected.png" -compose difference \
      -composite -threshold 0 "$WORK/$snap.mask.png" -compose multiply -composite \
      -format '%[fx:int(mean*w*h+0.5)]' info:)
    [ "$differing" = 0 ] && break
    sleep 0.25
  done
  expect "$name" "$differing pixels differ" "0 pixels differ"
}
shape_area() { "$PROBE" "$W" | sed -n 's/^area //p'; }
areas=($(sed -n 's/^[0-9]* region main //p' "$WORK/sim.log"))
area_is() { [ "$(shape_area)" = "$1" ]; }
area_is_not() { ! area_is "$1"; }

closed_area=${areas[0]}

# --- a movie: paused on its first frame, zoomed, with its rotation switch lit
click $STEP
same_as "a step shows the movie's first frame" movie "$MOVIE_RECT"
click $ZOOM
zoomed_area=${areas[4]:-0}  # start, hide and panel of the step, hide and panel of the zoom
check "the simulator's zoomed panel is larger than the movie's" test "$zoomed_area" -gt "${areas[2]:-0}"
check "zoom: the shape grows to the zoomed panel" poll_for 10 area_is "$zoomed_area"
click $STOP
click $STEP
same_as "zoomed: the screen shows the movie's first frame doubled" zoomed "$ZOOMED_RECT"
click $ROTATION
same_as "the movie row's rotation switch is lit" rotation "$SWITCH_RECT"
# Played with the rotation on, the movie gives way to the row's next one after four passes:
# its title in the corner becomes the simulator's picture of "NOMAL 2".
click $PLAY
SAME_WHITE_ONLY=1 SAME_SECONDS=60 same_as "the rotation moves on to the row's next movie" nomal2 "$TITLE_RECT"
click $STOP

# --- a photo film: it plays (its panel changes on screen), then paused on its first frame
click $FILM
panel() { import -window root -crop "148x108+$((wx + 301))+$((wy + 151))" +repage ppm:- | md5sum; }
plays() {
  local first i
  poll_for 5 area_is_not "$closed_area"
  first=$(panel)
  for i in $(seq 60); do
    sleep 0.25
    [ "$(panel)" != "$first" ] && return 0
  done
  return 1
}
check "a photo film plays in its panel" plays
click $STOP
click $STEP
same_as "a step shows the photo film's first frame" photo "$PHOTO_RECT"
click $STOP

# --- the wallpaper gallery: wallpapers 1 to 3 of the host game, then the fourth, which is
# installed into the folder with a notice
for n in 1 2 3 4; do
  click $WALLPAPER
  # The fourth one's notice covers part of it: that one is compared once answered.
  [ "$n" -lt 4 ] && same_as "the gallery shows wallpaper $n" "wall$n" "$WALL_RECT"
done
N=$(wait_window "$TITLE - message" 15)
check "the installation's notice shows" test -n "$N"
picture_size() { identify -format '%m %w %h' "$GAME/$1" 2>/dev/null; }
expect "X_b04.jpg installed" "$(picture_size X_b04.jpg)" "JPEG 640 480"
expect "X_s04.jpg installed" "$(picture_size X_s04.jpg)" "JPEG 320 240"
if [ -n "$N" ]; then
  read -r nw nh <<< "$(xwininfo -id "$N" | awk '/Width:|Height:/ {printf "%s ", $2}')"
  same_as "the notice's text and button" notice "$((nw - 40)) $((nh - 40)) 20 20" "$N"
  xdotool mousemove --window "$N" $NOTICE_OK click 1
  check "OK answers the notice" poll_for 10 no_window "$TITLE - message"
fi
same_as "the gallery shows wallpaper 4" wall4 "$WALL_RECT"

# --- the colour picker from the 2P contact lenses, an entry, OK; then the save
click $PART
P=$(wait_window "$TITLE - colour" 15)
check "a part button opens the picker" test -n "$P"
if [ -n "$P" ]; then
  read -r pw ph <<< "$(xwininfo -id "$P" | awk '/Width:|Height:/ {printf "%s ", $2}')"
  same_as "the picker shows the simulator's picture" picker "$pw $ph 0 0" "$P"
  xdotool mousemove --window "$P" $PICKER_ENTRY click 1
  sleep 0.3
  xdotool mousemove --window "$P" $PICKER_OK click 1
fi
same_as "the panel's icon shows the picked colour" picked "$ICON_RECT"
check "no colour file before the save" test ! -e "$GAME/Xx.txt"
click $SAVE
check "the save writes the colour file" wait_line "$GAME/Xx.txt" '^//end$' 10
check "the colour file is the simulator's, byte for byte" cmp -s "$GAME/Xx.txt" "$SIMGAME/Xx.txt"

# --- the countdown alarm, stopped from a dialog. The loop switch makes the alarm ring
# until something stops it.
BYTES_PER_MS=176  # 16-bit stereo at 44.1 kHz
position_ms() { echo $(($(stat -c %s "$WORK/sound.raw") / BYTES_PER_MS)); }
# loud_in FROM [TO]: true when some 10 ms of the sound between FROM and TO ms (or the
# end) hold a sample louder than 300 (left channel).
loud_in() {
  tail -c +$(($1 * BYTES_PER_MS + 1)) "$WORK/sound.raw" | head -c $(((${2:-999999} - $1) * BYTES_PER_MS)) |
    od -An -v -t d2 -w4 | awk '{ v = $1 < 0 ? -$1 : $1; if (v > 300) { found = 1; exit } } END { exit !found }'
}
# wait_sound_to MS: waits (up to 30 s) until the sound is written up to MS.
sound_to() { [ "$(position_ms)" -ge "$1" ]; }
wait_sound_to() { poll_for 30 sound_to "$1"; }
click $LOOP
sleep 0.5
click $MINUS
set_ms=$(date +%s%3N)
click $CLOSE
D=$(wait_window "$TITLE - message" 15)
check "after a save, the close button shows the restart notice" test -n "$D"
# The alarm rings when the six seconds are over: the panel blinks in its lit look, and
# the alarm sound is heard from then on.
SAME_SECONDS=40 same_as "the ringing alarm panel lights up in the skin's lit look" lit "$ALARM_RECT"
lit_at=$(position_ms) lit_ms=$(date +%s%3N)
check "not before the countdown's six seconds" test $((lit_ms - set_ms)) -ge 5000
ringing() { wait_sound_to $((lit_at + 1000)) && loud_in "$lit_at"; }
check "the alarm sounds while the notice is up" ringing
[ -n "$D" ] && xdotool mousemove --window "$D" $NOTICE_OK click 1
stopped_at=$(position_ms)
same_as "the click puts the alarm panel back to its normal look" picked "$ALARM_RECT"
lit_seen=0
for _ in $(seq 10); do
  import -window root -crop "83x26+$((wx + 712))+$((wy + 278))" +repage "$WORK/panel.png"
  [ "$(convert "$WORK/panel.png" "$WORK/lit.expected.png" -compose difference -composite \
    -threshold 0 -format '%[fx:int(mean*w*h+0.5)]' info:)" = 0 ] && lit_seen=$((lit_seen + 1))
  sleep 0.1
done
expect "and it blinks no more" "$lit_seen" 0
wait_sound_to $((stopped_at + 2500))
silent_from() { ! loud_in "$1"; }
check "a click in the notice stops the looping alarm" silent_from $((stopped_at + 500))
expect "and only stops the alarm: the notice stays" \
  "$(xdotool search --onlyvisible --name "^$TITLE - message\$" 2>/dev/null | wc -l)" 1
xdotool key Return
wait_exit "$TINTO_PID" 15
expect "Enter answers the notice and the program ends with status 0" "$EXIT_STATUS" 0 || tail -n 20 "$WORK/tour.err"
check "no error reports" clean_stderr tour

finish
