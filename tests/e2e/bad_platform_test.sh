#!/usr/bin/env bash
# End-to-end test of the program where the machine lets it down: no Japanese font, no
# sound device, a file where the runtime folder should be, and sound effects and songs
# that are garbage, in a folder whose name has a blank and a non-ASCII letter. In each case the main window
# and the manual still come up, a song button and a command-line song play nothing but
# break nothing, the colour file is saved whole, and the program ends normally when the
# session ends (SIGHUP) while its restart notice waits. With no display at all it says so
# and ends.
#   bad_platform_test.sh TINTO
set -u
TINTO=$1
. "$(dirname "$0")/x_session.sh"
start_xvfb
TITLE="Quiro EDIT"

printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' > "$WORK/no-fonts.conf"
echo "not a folder" > "$WORK/runtime-file"
garbage() { head -c 3000 /dev/urandom > "$1"; }

# name | environment
CASES=(
  "no Japanese font|FONTCONFIG_FILE=$WORK/no-fonts.conf SDL_AUDIODRIVER=dummy"
  "no sound device|SDL_AUDIODRIVER=nosuchdevice"
  "neither|FONTCONFIG_FILE=$WORK/no-fonts.conf SDL_AUDIODRIVER=nosuchdevice"
  "runtime folder is a file|XDG_RUNTIME_DIR=$WORK/runtime-file SDL_AUDIODRIVER=dummy"
)
n=0
for entry in "${CASES[@]}"; do
  name=${entry%%|*} env=${entry#*|} n=$((n + 1))
  GAME="$WORK/game $n ü"
  mkdir -p "$GAME"
  cp "$TINTO" "$GAME/tinto"
  for f in Y_q11.wav Y_q02.wav Zz.mid Z01.mid "garbage song.mp3"; do garbage "$GAME/$f"; done
  # shellcheck disable=SC2086
  (cd "$GAME" && exec env $env ./tinto "$GAME/garbage song.mp3") > "$WORK/$n.out" 2> "$WORK/$n.err" &
  TINTO_PID=$!
  STARTED_PIDS+=("$TINTO_PID")
  W=$(wait_window "$TITLE" 20)
  if [ -z "$W" ]; then
    fail_now "$name: the main window did not appear"
  fi
  echo "PASS: $name: the main window appears"
  xdotool mousemove --window "$W" 560 60 click 5
  manual() { wait_window "QUIRO EDIT MANUAL" 10 > /dev/null; }
  check "$name: the manual opens" manual
  xdotool key --window "$(wait_window "QUIRO EDIT MANUAL" 1)" F1
  xdotool mousemove --window "$W" $((430 + 318)) 267 click 1   # next built-in song
  xdotool mousemove --window "$W" $((430 + 29)) 110 click 1    # save the 2P colours
  saved() {  # the whole file: twenty lines and "//end" (wait_line takes no blanks in paths)
    local i
    for i in $(seq 200); do
      [ "$(tail -c 5 "$GAME/Xx.txt" 2>/dev/null)" = "//end" ] &&
        [ "$(grep -c $'\r$' "$GAME/Xx.txt")" = 20 ] && return 0
      sleep 0.05
    done
    return 1
  }
  check "$name: the colour file is saved whole" saved
  sleep 1
  check "$name: still running" kill -0 "$TINTO_PID"
  xdotool mousemove --window "$W" $((430 + 339)) 114 click 1   # the close button
  N=$(wait_window "$TITLE - message" 10)
  check "$name: closing shows the restart notice" test -n "$N"
  kill -HUP "$TINTO_PID"   # the session ends while the notice waits
  wait_exit "$TINTO_PID" 20
  expect "$name: ends with status 0" "$EXIT_STATUS" 0 || tail -n 20 "$WORK/$n.err"
  clean() { ! grep -Eq 'runtime error|Sanitizer|X Error' "$WORK/$n.err"; }
  check "$name: no error reports" clean
done

# No display to be had: the program says so and ends, instead of running on SDL's
# off-screen driver with windows nobody sees.
(cd "$WORK" && exec env -u WAYLAND_DISPLAY DISPLAY=:7999 SDL_AUDIODRIVER=dummy timeout 20 "$TINTO") \
  > "$WORK/nodisplay.out" 2>&1
expect "no display: ends at once with status 1" "$?" 1 || cat "$WORK/nodisplay.out"
check "no display: says which display it could not open" grep -qF \
  'Quiro EDIT: no display to show the windows on (could not open the X display ":7999")' \
  "$WORK/nodisplay.out"
finish
