#!/usr/bin/env bash
# End-to-end test of the colour picker and the password window on a virtual X display: a
# part button of the 2P panel opens the picker, an entry and OK recolour the panel's part
# icon on screen; Space opens the password window, the stage's password typed on the
# keyboard and Enter advance the points in "Tinto.ini".
#   unlock_test.sh TINTO TINTO_SIM
set -u
TINTO=$1 SIM=$2
. "$(dirname "$0")/x_session.sh"
start_xvfb

TITLE="Quiro EDIT"
GAME="$WORK/game"
mkdir -p "$GAME"
cp "$TINTO" "$GAME/tinto"
export SDL_AUDIODRIVER=dummy

(cd "$GAME" && exec ./tinto) > "$WORK/tinto.out" 2> "$WORK/tinto.err" &
TINTO_PID=$!
STARTED_PIDS+=("$TINTO_PID")
W=$(wait_window "$TITLE") || fail_now "the main window did not appear"
read -r wx wy <<< "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')"

# --- the picker: the contact lenses of the 2P panel (part button at skin (61, 39))
icon() {  # the 2P contact-lens icon on screen, as a checksum
  import -window root -crop "26x21+$((wx + 430 + 65))+$((wy + 42))" +repage "$WORK/icon.ppm"
  md5sum < "$WORK/icon.ppm"
}
before=$(icon)
xdotool mousemove --window "$W" $((430 + 61 + 15)) $((39 + 15)) click 1
P=$(wait_window "$TITLE - colour" 10)
check "a part button opens the picker" test -n "$P"
if [ -n "$P" ]; then
  sleep 0.3
  xdotool mousemove --window "$P" 100 20 click 1   # entry 0, "パープル"
  sleep 0.3
  xdotool mousemove --window "$P" 398 112 click 1  # OK
  check "OK closes the picker" poll_for 10 no_window "$TITLE - colour"
  recoloured() {
    local i
    for i in $(seq 100); do
      [ "$(icon)" != "$before" ] && return 0
      sleep 0.1
    done
    return 1
  }
  check "the panel's contact-lens icon shows the new colour" recoloured
fi

# --- the password window: Space on the main window, the stage 0 password, Enter
xdotool windowfocus --sync "$W" 2>/dev/null
xdotool key --window "$W" space
K=$(wait_window "$TITLE - password" 10)
check "Space opens the password window" test -n "$K"
if [ -n "$K" ]; then
  xdotool windowfocus --sync "$K" 2>/dev/null
  sleep 0.3
  password=$("$SIM" --passwords | head -n1)
  xdotool type --delay 40 --window "$K" "$password"
  xdotool key --window "$K" Return
  check "the password advances the points in Tinto.ini" wait_line "$GAME/Tinto.ini" '^tp=50.?$' 20
  check "and stores the password" wait_line "$GAME/Tinto.ini" "^tp0=$password.?\$" 5
  xdotool key --window "$K" Escape
fi

kill -TERM "$TINTO_PID"
wait_exit "$TINTO_PID" 10
expect "SIGTERM ends the program with status 0" "$EXIT_STATUS" 0 || tail -n 20 "$WORK/tinto.err"
check "no error reports" bash -c "! grep -Eq 'runtime error|Sanitizer|X Error' '$WORK/tinto.err'"
finish
