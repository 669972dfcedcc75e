#!/usr/bin/env bash
# Runs the program in a demo host-game folder: `make run`, or run-demo.sh BUILD_DIR
# [MUSIC FILE...] (further arguments go to the program).
#
# The program works on the files of the folder it lies in, so it is copied into
# BUILD_DIR/game next to the demo game's files (made by the demo generator when it is
# built). A few music files for dropping on the window are put into BUILD_DIR/music, as
# WAV and, when lame is installed, as MP3. With a display it simply runs there. Without one it runs for a few seconds on
# a virtual display, a screenshot is saved as BUILD_DIR/screenshot.png, and it is ended
# with SIGTERM as a session would end it.
set -euo pipefail

build=${1:?usage: run-demo.sh BUILD_DIR [MUSIC FILE...]}
shift
build=$(cd "$build" && pwd)
game="$build/game"
music="$build/music"
mkdir -p "$game"
if [ -x "$build/tools/demo_game/demo_game" ]; then
  "$build/tools/demo_game/demo_game" "$game" "$music" > /dev/null
  if command -v lame >/dev/null 2>&1; then
    for wav in "$music"/*.wav "$music"/*.WAV; do
      [ -f "$wav" ] || continue
      mp3="${wav%.*}.mp3"
      [ -s "$mp3" ] || lame --quiet "$wav" "$mp3" || rm -f "$mp3"
    done
  fi
  echo "Music files to drop on the window: $music"
fi
cp "$build/tinto" "$game/tinto"

if [ -n "${DISPLAY:-}" ]; then
  cd "$game"
  exec ./tinto "$@"
fi

command -v Xvfb >/dev/null 2>&1 || { echo "run-demo: no DISPLAY and no Xvfb to make one" >&2; exit 1; }
work=$(mktemp -d)
xvfb_pid=
tinto_pid=
cleanup() {
  [ -n "$tinto_pid" ] && kill "$tinto_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3; it does not start afresh
# when its last client leaves (-noreset), which would refuse a client connecting then.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "run-demo: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset XAUTHORITY

echo "No display: running on the virtual display $DISPLAY for a few seconds."
(cd "$game" && exec ./tinto "$@") &
tinto_pid=$!
# The main window shows at the first main tick; give it time to settle.
if command -v xdotool >/dev/null 2>&1; then
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Quiro EDIT$' >/dev/null 2>&1 && break
    sleep 0.05
  done
fi
sleep 2
import -window root "$build/screenshot.png"
kill -TERM "$tinto_pid"
status=0
wait "$tinto_pid" || status=$?
tinto_pid=
echo "Screenshot: $build/screenshot.png"
echo "The program ended with status $status."
