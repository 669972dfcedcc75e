#!/usr/bin/env bash
# Tinto.exe under Wine driven by the mouse alone, as a player drives it, with and without
# a window manager: the colour picker opened by a click on a part button (twice), entries
# and OK chosen by clicks, the colours saved by a click; the password window opened by
# the lock button (twice), the password typed and CHECK and the close box clicked; the
# main window closed by a click and the restart notice answered by a click. "Xx.txt" and
# "Tinto.ini" must then be byte for byte what the simulator writes for the same presses.
# While the dialogs are open, the window list shows the main window as their owner. At the
# end the program starts once more at 192 DPI and must show the same pixels as at 96.
#   mouse_wine_test.sh PREFIX TINTO_EXE HOST_SIM XSHAPE_PROBE DEMO_GAME WINDOW_LIST
set -u
WINE_PREFIX_DIR=$1 TINTO=$2 SIM=$3 PROBE=$4 DEMO=$5 LIST=$6
. "$(dirname "$0")/wine_session.sh"
start_xvfb
start_wine
TITLE="Quiro EDIT"
PASSWORD=$("$SIM" --passwords | head -n1)

# Client points of the presses (skin x + 430 on the main window).
PART_LENSES="506 54"  # 2P contact lenses
PART_LIPS="477 69"    # 2P lipstick
SAVE_2P="459 110"
LOCK="686 274"
CLOSE_MAIN="770 115"
PICKER_ENTRY_3="250 56"
PICKER_ENTRY_2="100 44"
PICKER_ENTRY_4="100 68"
PICKER_OK="398 112"
PASSWORD_CHECK="530 9"
PASSWORD_CLOSE="590 5"
NOTICE_OK="253 131"

# The same presses for the simulator: its script, and its files in $WORK/reference.
sim_keys() {
  local c
  for ((i = 0; i < ${#PASSWORD}; i++)); do
    c=${PASSWORD:i:1}
    case $c in
      [a-z]) echo "key password ${c^^}" ;;
      [0-9]) echo "key password $c" ;;
      -) echo "key password MINUS" ;;
      ,) echo "key password COMMA" ;;
      .) echo "key password PERIOD" ;;
      /) echo "key password SLASH" ;;
      '?') echo "key password SLASH shift" ;;
      '!') echo "key password 1 shift" ;;
    esac
  done
}
mkdir -p "$WORK/reference"
"$DEMO" "$WORK/reference" > /dev/null
{
  echo "folder $WORK/reference"
  echo "start"
  echo "wait 300"
  echo "click main $PART_LENSES"; echo "wait 300"
  echo "click picker $PICKER_ENTRY_3"; echo "click picker $PICKER_ENTRY_2"
  echo "click picker $PICKER_OK"; echo "wait 400"
  echo "click main $PART_LIPS"; echo "wait 300"
  echo "click picker $PICKER_ENTRY_4"; echo "click picker $PICKER_OK"; echo "wait 400"
  echo "click main $SAVE_2P"; echo "wait 300"
  echo "click main $LOCK"; echo "wait 300"
  sim_keys
  echo "click password $PASSWORD_CHECK"; echo "wait 2500"
  echo "click password $PASSWORD_CLOSE"; echo "wait 400"
  echo "click main $LOCK"; echo "wait 300"
  echo "click password $PASSWORD_CLOSE"; echo "wait 400"
  echo "click main $CLOSE_MAIN"; echo "wait 300"
  echo "click message $NOTICE_OK"; echo "wait 400"
} > "$WORK/mouse.sim"
"$SIM" "$WORK/mouse.sim" > "$WORK/sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }
grep -q ' exit 0$' "$WORK/sim.log" || { echo "FAIL: the simulator's run did not end the program"; tail -5 "$WORK/sim.log"; exit 1; }

# click WINDOW "X Y": a press and a release at a client point, as a player's.
click() {
  local x y
  read -r x y <<< "$2"
  xdotool mousemove --window "$1" "$x" "$y" sleep 0.1 click 1
  sleep 0.3
}
# Shows what the screen and the window list hold, for a failure's report.
report() {
  import -window root "$WORK/failure-$1.png" 2>/dev/null
  echo "  screen: $WORK/failure-$1.png (kept with TINTO_E2E_KEEP=1)"
  echo "  windows:"; wine "$LIST" 2>/dev/null | sed 's/^/    /'
  echo "  program's stderr:"; sed 's/^/    /' "$WORK/$RUN.err" | tail -5
}
# need NAME COMMAND...: like check, but the run cannot go on without it.
need() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
  else
    echo "FAIL: $name"
    report "$RUN"
    exit 1
  fi
}
owner_is_main() {  # the window titled $1 is owned by the main window
  wine "$LIST" 2>/dev/null | tr -d '\r' | grep -qx "$1|visible|$TITLE|[0-9a-f]*"
}
gone() { poll_for 10 no_window "$1"; }

run_as_player() {
  local wm=$1
  RUN=mouse-$wm
  GAME="$WORK/$wm/ゲーム"
  mkdir -p "$GAME"
  "$DEMO" "$GAME" > /dev/null
  cp "$TINTO" "$GAME/Tinto.exe"
  WM_PID=
  if [ "$wm" != none ]; then
    openbox --sm-disable > "$WORK/wm.log" 2>&1 &
    WM_PID=$!
    STARTED_PIDS+=("$WM_PID")
    sleep 1
  fi
  start_wine_tinto "$GAME" "$RUN"
  W=$(wait_window "$TITLE" 60)
  need "[$wm] the main window appears" test -n "$W"
  sleep 0.5

  local showing P K N
  for showing in first second; do
    if [ $showing = first ]; then click "$W" "$PART_LENSES"; else click "$W" "$PART_LIPS"; fi
    P=$(wait_window "$TITLE - colour" 15)
    need "[$wm] a click on a part button opens the picker ($showing showing)" test -n "$P"
    check "[$wm] the picker belongs to the main window" owner_is_main "$TITLE - colour"
    if [ $showing = first ]; then
      click "$P" "$PICKER_ENTRY_3"
      click "$P" "$PICKER_ENTRY_2"
    else
      click "$P" "$PICKER_ENTRY_4"
    fi
    click "$P" "$PICKER_OK"
    need "[$wm] OK clicked closes the picker ($showing showing)" gone "$TITLE - colour"
  done
  click "$W" "$SAVE_2P"
  need "[$wm] the save button clicked writes the colour file" wait_line "$GAME/Xx.txt" '^//end' 10
  check "[$wm] Xx.txt byte for byte as the simulator writes it" cmp "$GAME/Xx.txt" "$WORK/reference/Xx.txt"

  for showing in first second; do
    click "$W" "$LOCK"
    K=$(wait_window "$TITLE - password" 15)
    need "[$wm] the lock button opens the password window ($showing showing)" test -n "$K"
    check "[$wm] the password window belongs to the main window" owner_is_main "$TITLE - password"
    if [ $showing = first ]; then
      xdotool mousemove --window "$K" 300 30 click 1  # a click on its face gives it the keys
      sleep 0.3
      xdotool type --delay 60 "$PASSWORD"
      sleep 0.3
      click "$K" "$PASSWORD_CHECK"
      sleep 2.5
    fi
    click "$K" "$PASSWORD_CLOSE"
    need "[$wm] the close box clicked closes the password window ($showing showing)" \
      gone "$TITLE - password"
  done
  check "[$wm] Tinto.ini byte for byte as the simulator writes it" \
    cmp "$GAME/Tinto.ini" "$WORK/reference/Tinto.ini"

  click "$W" "$CLOSE_MAIN"
  N=$(wait_window "$TITLE - message" 15)
  need "[$wm] closing after a save shows the restart notice" test -n "$N"
  check "[$wm] the notice belongs to the main window" owner_is_main "$TITLE - message"
  click "$N" "$NOTICE_OK"
  wait_exit "$TINTO_PID" 30
  expect "[$wm] OK clicked on the notice ends the program with status 0" "$EXIT_STATUS" 0
  if [ -n "$WM_PID" ]; then
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
  fi
}

run_as_player none
run_as_player openbox

# --- 192 DPI: the windows are pixel art at their own size; the system must not stretch
# them. The main window's picture must equal the simulator's at 96 DPI.
set_dpi() {
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$(printf '%08x' "$1")" |
    iconv -f UTF-8 -t UTF-16 > "$WORK/dpi.reg"
  wine regedit /S "$WORK/dpi.reg" > /dev/null 2>&1
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
}
printf 'folder %s\nscreen 1024 768\nstart\nwait 300\nbuffer main %s\n' \
  "$WORK/reference-dpi" "$WORK/buffer.bmp" > "$WORK/dpi.sim"
mkdir -p "$WORK/reference-dpi"
"$DEMO" "$WORK/reference-dpi" > /dev/null
"$SIM" "$WORK/dpi.sim" > "$WORK/dpi-sim.log" || { echo "FAIL: the simulator did not run"; exit 1; }
sim_position=$(sed -n 's/^0 moved main \([-0-9]*\) \([-0-9]*\)$/\1 \2/p' "$WORK/dpi-sim.log")
for dpi in 96 192; do
  set_dpi "$dpi"
  RUN=dpi-$dpi
  GAME="$WORK/dpi-$dpi"
  mkdir -p "$GAME"
  "$DEMO" "$GAME" > /dev/null
  cp "$TINTO" "$GAME/Tinto.exe"
  start_wine_tinto "$GAME" "$RUN"
  W=$(wait_window "$TITLE" 60)
  need "[$dpi dpi] the main window appears" test -n "$W"
  sleep 1
  expect "[$dpi dpi] the window keeps its size in pixels" \
    "$(xwininfo -id "$W" | awk '/Width:|Height:/ {printf "%s ", $2}')" "844 410 "
  shape=$("$PROBE" "$W" --rects 546,100)
  read -r wx wy <<< "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')"
  echo "[$dpi dpi] the skin, pixel for pixel:"
  check_main_skin_on_screen "$wx" "$wy" "$shape" "$WORK/buffer.bmp"
  cp "$WORK/shot.png" "$WORK/screen-$dpi.png"
  kill "$TINTO_PID" 2>/dev/null
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
done
set_dpi 96
[ -n "$sim_position" ] || echo "note: the simulator named no position"

finish
