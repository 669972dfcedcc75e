#!/usr/bin/env bash
# The program on a desktop, bare or under a window manager. Dragging the message window
# and the main window keeps the grab point under the pointer, for steps of several sizes,
# both ways, slow (each step waited for) and fast (all steps at once), and a click right
# after each drag works. Both windows are placed where the program puts them and say so in
# their size hints; the main window has the focus once the question before it closes.
# Under a window manager also: the minimise button minimises, a second start restores and
# raises the first copy, and the message window stays above the main window. The picker,
# the password window and the message window, at their first and third showing, belong to
# the main window, ask for no task bar entry and the layer above others, and stay on top
# when another program's window is clicked; the manual opened from each comes up on top
# and takes the next click.
#   desktop_test.sh WM TINTO [DEMO_GAME]      WM: none, openbox or metacity
set -u
WM=$1 TINTO=$2 DEMO=${3:-}
. "$(dirname "$0")/x_session.sh"
start_xvfb
[ "$WM" != none ] && start_wm "$WM"
echo "window manager: $WM"

make_game "$TINTO" "$DEMO"
hinted_position() {
  xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*user specified location: \([-0-9]*\), \([-0-9]*\)/\1 \2/p'
}
stacking() {  # the named windows, top first, by their top-level window (a manager's frame)
  local id top parent
  declare -A name_of=()
  for id in "${!WINDOWS[@]}"; do
    # Climb to the root's child: the frame a manager put round the window, or itself.
    top=$id
    while :; do
      parent=$(xwininfo -id "$top" -tree | awk '/Parent window id:/ {print $4}')
      [ "$((parent))" = "$((ROOT))" ] && break
      top=$parent
    done
    name_of[$((top))]=${WINDOWS[$id]}
  done
  xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
    [ -n "${name_of[$((id))]:-}" ] && echo "${name_of[$((id))]}"
  done | tr '\n' ' '
}
ROOT=$(xwininfo -root | awk '/Window id:/ {print $4}')
declare -A WINDOWS=()

# drag NAME W GX GY PACE DX,DY...: presses at client point (GX, GY) of window W, moves the
# pointer by each step in turn and releases. PACE slow waits for the window to follow each
# step and checks it there; fast moves through all steps at once. Either way the window
# must end moved by exactly the pointer's movement, with the grab point under the pointer.
drag() {
  local name=$1 w=$2 gx=$3 gy=$4 pace=$5 x y tx=0 ty=0 step lost="" moves=()
  shift 5
  read -r x y <<< "$(window_position "$w")"
  xdotool mousemove --window "$w" "$gx" "$gy" mousedown 1
  for step in "$@"; do
    tx=$((tx + ${step%,*})) ty=$((ty + ${step#*,}))
    if [ "$pace" = slow ]; then
      xdotool mousemove_relative -- "${step%,*}" "${step#*,}"
      wait_position "$w" "$((x + tx)) $((y + ty))" ||
        lost+=" ($tx,$ty): at $(window_position "$w");"
    else
      moves+=(mousemove_relative -- "${step%,*}" "${step#*,}")
    fi
  done
  # Fast, the end must differ from the start and from every point on the way: the window
  # at its end is then the sign that the program has followed all the moves, and a click
  # sent after that lands where it is aimed.
  [ "$pace" = slow ] || [ "$tx,$ty" != 0,0 ] ||
    fail_now "$name: a fast drag that ends where it began cannot be waited for"
  [ "${#moves[@]}" -gt 0 ] && xdotool "${moves[@]}"
  xdotool mouseup 1
  wait_position "$w" "$((x + tx)) $((y + ty))"
  expect "$name: the window followed every step" "${lost:-yes}" yes
  expect "$name: moved by the pointer's ($tx, $ty)" "$(window_position "$w")" \
    "$((x + tx)) $((y + ty))"
  local px py
  eval "$(xdotool getmouselocation --shell | sed -n 's/^X=/px=/p; s/^Y=/py=/p')"
  read -r x y <<< "$(window_position "$w")"
  expect "$name: the grab point stays under the pointer" "$((px - x)) $((py - y))" "$gx $gy"
}

# --- the message window: the host game question, dragged, then answered by a click
show_host_game +0+0
start_tinto first
M=$(wait_window "$TITLE - message" 15) || fail_now "no question"
focus_on() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.2; }
# A screenshot of dialog $1 as the screen shows it.
dialog_shot() {
  local x y w h
  read -r x y <<< "$(window_position "$1")"
  read -r w h <<< "$(xwininfo -id "$1" | awk '/^ +Width:/ {w=$2} /^ +Height:/ {h=$2} END {print w, h}')"
  import -window root -crop "${w}x$h+$x+$y" +repage "$WORK/$2.png"
}
# stays_on_top NAME DIALOG OTHER: a click on another program's window OTHER leaves the
# dialog on top of it, in the stacking order and on the screen.
stays_on_top() {
  local differing
  dialog_shot "$2" before
  xdotool mousemove --window "$3" 5 5 click 1
  sleep 0.5
  ON_TOP=${WINDOWS[$2]}
  above() { [[ "$(stacking)" == "$ON_TOP "* ]]; }
  check "$1: on top after a click on another program's window" poll_for 5 above
  dialog_shot "$2" after
  differing=$(convert "$WORK/before.png" "$WORK/after.png" -compose difference -composite \
    -threshold 0 -format '%[fx:int(100*mean+0.5)]' info:)
  check "$1: and still seen whole on the screen ($differing% changed)" test "$differing" -le 5
}
# dialog_state NAME WINDOW: the window belongs to the main window and asks for the layer
# above others and no task bar or pager entry.
dialog_state() {
  local state owner
  state=$(xprop -id "$2" _NET_WM_STATE)
  check "$1: above others" grep -q '_NET_WM_STATE_ABOVE' <<< "$state"
  check "$1: no task bar entry" grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<< "$state"
  owner=$(xprop -id "$2" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
  expect "$1: belongs to the main window" "$((${owner:-0}))" "$(($(main_window_id)))"
}
# The main window exists (hidden) before it is shown: found among all windows of its title.
main_window_id() { xdotool search --name "^$TITLE\$" | head -n1; }
dialog_state "message, first showing" "$M"
if [ "$WM" != none ]; then
  WINDOWS[$M]=message
  WINDOWS[$(wait_window hostgame 1)]=hostgame
  stays_on_top "message, first showing" "$M" "$(wait_window hostgame 1)"
  WINDOWS=()
fi
expect "the message window is centred" "$(window_position "$M")" "288 303"
expect "and its size hints say so" "$(hinted_position "$M")" "288 303"
drag "message, slow, right and down" "$M" 150 100 slow 20,10 20,10 20,10 20,10 20,10
drag "message, slow, left and up" "$M" 150 100 slow -20,-10 -20,-10 -20,-10 -20,-10 -20,-10
drag "message, slow, mixed steps" "$M" 120 60 slow 1,0 0,1 -3,7 50,-40 -100,90 52,-58
drag "message, fast, small steps" "$M" 150 100 fast 7,3 7,3 7,3 7,3 7,3 7,3 7,3 7,3 7,3 7,3
drag "message, fast, big steps" "$M" 150 100 fast -150,-100 300,200 -90,-60 -40,-20
xdotool mousemove --window "$M" 210 131 click 1  # CANSEL
W=$(wait_window "$TITLE" 10) ||
  fail_now "a click on CANSEL right after the drags answers: the main window shows"
echo "PASS: a click on CANSEL right after the drags answers: the main window shows"
kill "$HOST_PID"
WINDOWS[$W]=main

# --- the main window
expect "the main window is placed as the program places it" "$(window_position "$W")" "65 179"
expect "and its size hints say so" "$(hinted_position "$W")" "65 179"
has_focus() {
  local i
  for i in $(seq 100); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}
check "the main window has the focus after the question" has_focus "$W"

# The 2P figure toggles its pose on a click: its pixels alternate between two pictures.
figure() {
  local x y
  read -r x y <<< "$(window_position "$W")"
  import -window root -crop "71x176+$((x + 430 + 96))+$((y + 13))" +repage "$WORK/figure.ppm"
  md5sum < "$WORK/figure.ppm"
}
pose[0]=$(figure)
pose[1]=""
shown=0
# click_figure NAME: a click on the figure must bring the other pose.
click_figure() {
  local want=$((1 - shown)) i now
  xdotool mousemove --window "$W" $((430 + 131)) 89 click 1
  for i in $(seq 100); do
    now=$(figure)
    if [ "$now" != "${pose[$shown]}" ] && { [ -z "${pose[$want]}" ] || [ "$now" = "${pose[$want]}" ]; }; then
      pose[$want]=$now
      shown=$want
      echo "PASS: $1: a click on the figure right after it works"
      return 0
    fi
    sleep 0.05
  done
  fail_now "$1: a click on the figure right after it did nothing"
}
GX=$((430 + 116)) GY=6  # the top of the 2P hexagon: no button there
drag "main, slow, right and down" "$W" $GX $GY slow 20,10 20,10 20,10 20,10 20,10
click_figure "main, slow, right and down"
drag "main, slow, left and up" "$W" $GX $GY slow -20,-10 -20,-10 -20,-10 -20,-10 -20,-10
click_figure "main, slow, left and up"
drag "main, slow, mixed steps" "$W" $GX $GY slow 1,0 0,1 -3,7 50,-40 -100,90 52,-58 -1,-1
click_figure "main, slow, mixed steps"
drag "main, fast, small steps" "$W" $GX $GY fast 5,2 5,2 5,2 5,2 5,2 5,2 5,2 5,2 5,2 5,2 5,2 5,2
click_figure "main, fast, small steps"
drag "main, fast, big steps" "$W" $GX $GY fast -60,-150 120,300 -200,-100 80,-50
click_figure "main, fast, big steps"
drag "main, fast, back and forth" "$W" 700 300 fast 40,0 -80,0 40,30 0,-60 0,30 13,-9
click_figure "main, fast, back and forth"

# --- under a window manager: minimise, and a second start restores and raises
if [ "$WM" != none ]; then
  viewable() { xwininfo -id "$W" | grep -q 'Map State: IsViewable'; }
  unmapped() { ! viewable; }
  poll() { local i; for i in $(seq 100); do "$@" && return 0; sleep 0.05; done; return 1; }
  xdotool mousemove --window "$W" $((430 + 302)) 110 click 1  # the minimise button
  check "the minimise button minimises the main window" poll unmapped
  xmessage -title cover -geometry 900x500+0+0 "cover" &
  COVER_PID=$!
  STARTED_PIDS+=("$COVER_PID")
  C=$(wait_window cover 5)
  WINDOWS[$C]=cover
  (cd "$GAME" && timeout 20 ./tinto > "$WORK/second.out" 2> "$WORK/second.err")
  expect "a second start ends with status 0" "$?" 0
  check "and restores the minimised main window" poll viewable
  above_cover() { [ "$(stacking)" = "main cover " ]; }
  check "raised above the other window" poll above_cover
  check "with the focus" has_focus "$W"
  kill "$COVER_PID"
  unset "WINDOWS[$C]"
fi

# --- the dialogs at every showing: their states, their owner, on top when another
# program's window is clicked; the manual opened from one of them on top, taking clicks.
# The other program's window covers the screen's centre, where the dialogs come up, and
# leaves the main window's part button free.
xmessage -title cover -geometry 560x300+0+250 "cover" &
COVER_PID=$!
STARTED_PIDS+=("$COVER_PID")
C=$(wait_window cover 5) || fail_now "the other program's window did not appear"
WINDOWS[$C]=cover
# manual_on_top NAME DIALOG: F1 in the dialog opens the manual on top of everything, and it takes the next click
# (a click low in its scroll bar turns the page), and F1 closes it again.
manual_on_top() {
  local M2 before
  focus_on "$2"
  xdotool key F1
  M2=$(wait_window "QUIRO EDIT MANUAL" 10) || fail_now "$1: F1 opens the manual"
  WINDOWS[$M2]=manual
  topmost() { [[ "$(stacking)" == "manual "* ]]; }
  check "$1: F1 brings the manual up on top" poll_for 5 topmost
  sleep 0.3
  before=$(import -window "$M2" rgb:- | md5sum)
  xdotool mousemove --window "$M2" 437 480 click 1
  turned() { [ "$(import -window "$M2" rgb:- | md5sum)" != "$before" ]; }
  check "$1: the manual takes the next click" poll_for 5 turned
  xdotool key F1
  check "$1: F1 closes the manual" poll_for 10 no_window "QUIRO EDIT MANUAL"
  # The focus comes back to the dialog, as after every dialog; the next click waits for it
  # (the program has then finished closing the manual).
  check "$1: the dialog has the focus again" has_focus "$2"
  unset "WINDOWS[$M2]"
}
for showing in 1 2 3; do
  # The picker: a part button of the 2P panel; OK closes it.
  xdotool mousemove --window "$W" $((430 + 76)) 54 click 1
  P=$(wait_window "$TITLE - colour" 10) || fail_now "picker, showing $showing: a part button opens it"
  WINDOWS[$P]=picker
  if [ "$showing" != 2 ]; then
    dialog_state "picker, showing $showing" "$P"
    [ "$WM" != none ] && stays_on_top "picker, showing $showing" "$P" "$C"
  fi
  [ "$showing" = 1 ] && manual_on_top "picker" "$P"
  xdotool mousemove --window "$P" 398 112 click 1
  check "picker, showing $showing: OK closes it" poll_for 10 no_window "$TITLE - colour"
  unset "WINDOWS[$P]"

  # The password window: Space on the main window; F2 brings a hint in the message window
  # (its second and third showing, the question being the first); Escape closes both.
  focus_on "$W"
  xdotool key space
  K=$(wait_window "$TITLE - password" 10) || fail_now "password, showing $showing: Space opens it"
  WINDOWS[$K]=password
  if [ "$showing" != 2 ]; then
    dialog_state "password, showing $showing" "$K"
    [ "$WM" != none ] && stays_on_top "password, showing $showing" "$K" "$C"
  fi
  [ "$showing" = 1 ] && manual_on_top "password" "$K"
  if [ "$showing" = 3 ] && [ "$WM" != none ]; then
    # A second start while a dialog is open: the dialog comes to the front with the focus.
    (cd "$GAME" && timeout 20 ./tinto > "$WORK/third.out" 2> "$WORK/third.err")
    expect "a second start while the password window is open ends with status 0" "$?" 0
    check "and the password window has the focus" has_focus "$K"
  fi
  if [ "$showing" != 3 ]; then
    xdotool key F2
    H=$(wait_window "$TITLE - message" 10) || fail_now "hint, showing $showing: F2 shows it"
    WINDOWS[$H]=message
    [ "$showing" = 1 ] && manual_on_top "the notice" "$H"
    if [ "$showing" = 2 ]; then
      dialog_state "message, third showing" "$H"
      [ "$WM" != none ] && stays_on_top "message, third showing" "$H" "$C"
    fi
    focus_on "$H"
    xdotool key Escape
    check "hint, showing $showing: Escape closes it" poll_for 10 no_window "$TITLE - message"
    unset "WINDOWS[$H]"
  fi
  focus_on "$K"
  xdotool key Escape
  check "password, showing $showing: Escape closes it" poll_for 10 no_window "$TITLE - password"
  unset "WINDOWS[$K]"
done
kill "$COVER_PID"
unset "WINDOWS[$C]"

# --- the restart notice over the main window: above it, and it stays above it when the
# main window is clicked; dragged, then answered by a click on OK
xdotool mousemove --window "$W" $((430 + 29)) 110 click 1  # save: a restart notice at the end
wait_line "$GAME/Xx.txt" '^//end$' 5
xdotool mousemove --window "$W" $((430 + 339)) 114 click 1  # the close button
N=$(wait_window "$TITLE - message" 10) || fail_now "closing after a save shows the restart notice"
echo "PASS: closing after a save shows the restart notice"
WINDOWS[$N]=message
notice_above() { [ "$(stacking)" = "message main " ]; }
check "the notice lies above the main window" notice_above
xdotool mousemove --window "$W" $GX $GY click 1
sleep 0.3
check "and stays above it after a click on the main window" notice_above
drag "notice, fast" "$N" 150 100 fast 30,-20 30,-20 -5,7
xdotool mousemove --window "$N" 253 131 click 1  # OK
wait_exit "$TINTO_PID" 10
expect "a click on OK right after the drag ends the program with status 0" "$EXIT_STATUS" 0
check "no error reports" clean_stderr first

finish
