#!/usr/bin/env bash
# End-to-end test of the desktop backend on a virtual X display, through a small program
# of its own (sdl_selftest) that logs every event it gets: window shape and pixels, mouse
# and keys, modal windows and focus, dropped files, single instance, host game detection,
# closing, and sound through SDL's disk audio driver.
#   backend_test.sh SDL_SELFTEST XSHAPE_PROBE XDND_SEND XCLOSE X11_WAIT_PROBE
set -u
SELFTEST=$1 PROBE=$2 DND=$3 XCLOSE=$4 WAIT_PROBE=$5
. "$(dirname "$0")/x_session.sh"
start_xvfb

TITLE="Backend Test"
LOG="$WORK/main.log"

SDL_AUDIODRIVER=dummy "$SELFTEST" "$TITLE" > "$LOG" 2>"$WORK/main.err" &
MAIN_PID=$!
STARTED_PIDS+=("$MAIN_PID")
W=$(wait_window "$TITLE") || fail_now "the window did not appear"
check "the window appears at the first timer tick" wait_line "$LOG" '^shown$'

# --- shape: exactly the region's pixels, read back from the X server
area=$(sed -n 's/^region area \([0-9]*\) .*/\1/p' "$LOG")
shape=$("$PROBE" "$W" 50,50 99,99 100,100 0,150 150,150 200,150 299,150 290,10)
expect "shape area equals the region's" "$(sed -n 's/^area //p' <<< "$shape")" "$area"
expect "shape bounds" "$(sed -n 's/^bounds //p' <<< "$shape")" "0 0 300 200"
for point in "50,50 in" "99,99 in" "100,100 out" "0,150 out" "150,150 out" "200,150 out" \
             "299,150 in" "290,10 in"; do
  check "shape: $point" grep -qx "$point" <<< "$shape"
done
expect "position" "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')" "100 100 "

# --- pixels on screen: the back buffer inside the shape, the white root outside
import -window root "$WORK/shot.png"
expect "screen pixels" "$(pixels_of "$WORK/shot.png" 150,150 390,110 100,250 300,250 150,120)" \
  "FF8040 2080FF FFFFFF FFFFFF FF8040"
# Drawing clipped at the window's and the bitmap's edges (window coordinates + 100).
expect "clipped drawing" "$(pixels_of "$WORK/shot.png" 119,119 120,120 159,159 160,160 \
  179,179 180,180 199,199 158,170 170,158)" "FF00FF FF8040 FF8040 FF00FF FF00FF FF00FF FF00FF FF8040 FF8040"

# --- mouse
xdotool mousemove --window "$W" 20 30
sleep 0.6  # clear of the double-click time
mark
xdotool click 1
check "left press and release in client coordinates" saw 'main up L 20 30 -'
check "left press" saw 'main down L 20 30 -'
mark
xdotool click 3 click 2
check "right button" saw 'main up R 20 30 -'
check "middle button" saw 'main up M 20 30 -'
sleep 0.6
mark
xdotool click --repeat 2 --delay 80 1
check "double click after the second press" saw 'main dbl 20 30'
expect "one double click, two presses" "$(since | grep -c -e '^main dbl' -e '^main down L')" 3
sleep 0.6
mark
xdotool click 4 click 5
check "wheel up is +120" saw 'main wheel 120 20 30 -'
check "wheel down is -120" saw 'main wheel -120 20 30 -'
mark
xdotool keydown shift click 1 keyup shift
check "shift held with a press" saw 'main down L 20 30 s'
mark
xdotool mousemove --window "$W" 60 70
check "mouse move" saw 'main move 60 70 -'

# --- keys as virtual-key codes
for pair in a:65 z:90 0:48 9:57 F1:112 F12:123 space:32 Return:13 KP_Enter:13 BackSpace:8 \
            Home:36 Delete:46 Left:37 Up:38 Right:39 Down:40 Prior:33 Next:34 comma:188 \
            minus:189 period:190 slash:191 Shift_L:16 Control_L:17 Alt_L:18; do
  mark
  xdotool key "${pair%%:*}"
  check "key ${pair%%:*} is ${pair##*:}" saw "main keyup ${pair##*:} .*"
done
# The keypad's 8 gives 104 with Num Lock on and Up (38) with it off, whichever is now.
mark
xdotool key 80 Num_Lock 80
saw 'main keyup 144 .*' && sleep 0.2
expect "keypad digit, then cursor key, or the other way round" \
  "$(since | sed -n 's/^main keyup \(104\|38\) .*/\1/p' | sort | tr '\n' ' ')" "104 38 "
mark
xdotool key ctrl+a
check "ctrl with a key" saw 'main keydown 65 c'
mark
xdotool keydown b
sleep 1.2
xdotool keyup b
sleep 0.2
downs=$(since | grep -c '^main keydown 66 ')
ups=$(since | grep -c '^main keyup 66 ')
check "a held key repeats its down ($downs downs)" test "$downs" -gt 1
expect "a held key comes up once" "$ups" 1
mark
xdotool keydown shift key k keyup shift
check "Shift held, as the keyboard has it now" saw 'keys shift 1 ctrl 0 alt 0 a 0'
mark
xdotool keydown alt key k keyup alt
check "Alt held" saw 'keys shift 0 ctrl 0 alt 1 a 0'

# --- blocking wait: no timer runs during it
mark
xdotool key s
check "no tick during a blocking wait" saw 'slept ticks-during 0'

# --- modal windows
mark
xdotool key m
check "modal dialog opens" saw 'modal begin'
D=$(wait_window "$TITLE dialog" 5)
check "modal dialog shown" test -n "$D"
check "modal dialog painted" saw 'dialog paint'
mark
xdotool mousemove --window "$W" 20 30 click 1 key f
check "keys go to the modal window" saw 'focus dialog 1'
check "no press reaches the window below a modal one" never 'main (down|up) .*'
expect "a window that takes no files is no drop target" "$("$DND" "$D" "$WORK/x.mid")" not-aware
mark
"$DND" "$W" "$WORK/x.mid" > /dev/null
check "no drop reaches the window below a modal one" never 'main drop .*'
mark
xdotool key n
check "second modal on top" saw 'modal2 begin'
D2=$(wait_window "$TITLE dialog2" 5)
check "second modal shown" test -n "$D2"
mark
xdotool mousemove --window "$D" 5 5 click 1
check "only the topmost modal window takes presses" never 'dialog (down|up) .*'
xdotool key Escape
check "second modal ends with its result" saw 'modal2 end 3'
mark
xdotool mousemove --window "$D" 5 5 click 1
check "the first modal takes presses again" saw 'dialog down L 5 5 -'
xdotool key Return
check "modal ends with its result, timers ran meanwhile, window hidden" \
  saw 'modal end 1 ticks [1-9][0-9]* dialog-visible 0'
mark
xdotool key f
check "keyboard focus back on the main window" saw 'focus main 1 dialog 0'

# --- the platform's error message: modal; input meant for our windows meanwhile is dropped
# (SDL's own box, or a helper program's where the X server lacks the core fonts SDL's box
# needs; xdotool cannot search SDL's box by name: xwininfo can.)
error_box() {
  local i id
  for i in $(seq 100); do
    id=$(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ "Quiro EDIT": / {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}
mark
xdotool key e
E=$(error_box)
check "error message shown" test -n "$E"
xdotool mousemove --window "$W" 20 30 click 1
sleep 0.2
xdotool windowfocus --sync "$E" key Return
check "error message closed with Enter" saw 'error closed'
check "a press made while it was up is dropped" never 'main (down|up) .*'

# --- dropped files: one call per drop, names decoded
mark
expect "drop accepted" "$("$DND" "$W" "$WORK/a b.mid" "$WORK/ü.mp3")" dropped
check "one drop event with both files" saw "main drop $WORK/a b.mid $WORK/ü.mp3"

# --- host game: a window of its class, or its process under Wine
mark
xdotool key h
check "no host game" saw 'host 0'
xmessage -name TFM -title host -geometry +600+600 "host" &
HOST_PID=$!
STARTED_PIDS+=("$HOST_PID")
wait_window host 5 > /dev/null
mark
xdotool key --window "$W" h
check "host game window by its class" saw 'host 1'
kill "$HOST_PID"
wait "$HOST_PID" 2>/dev/null
# WM_CLASS holds two names, the instance's and the class's: either may be the game's.
xmessage -name other -title host -geometry +600+600 "host" &
HOST_PID=$!
STARTED_PIDS+=("$HOST_PID")
H=$(wait_window host 5)
mark
xdotool key --window "$W" h
check "a window whose class names are others' is not the game" saw 'host 0'
xdotool set_window --class tfm "$H"
mark
xdotool key --window "$W" h
check "host game window by the second of its class names, in any case" saw 'host 1'
kill "$HOST_PID"
wait "$HOST_PID" 2>/dev/null
cp "$(command -v sleep)" "$WORK/rondelay.EXE"
"$WORK/rondelay.EXE" 30 &
GAME_PID=$!
STARTED_PIDS+=("$GAME_PID")
mark
xdotool key --window "$W" h
check "host game process by its executable" saw 'host 1'
kill "$GAME_PID"

# --- single instance: a second copy raises and focuses the first and ends
xmessage -title cover -geometry 500x400+50+50 "cover" &
COVER_PID=$!
STARTED_PIDS+=("$COVER_PID")
C=$(wait_window cover 5)
xdotool windowfocus --sync "$C" 2>/dev/null
# xwininfo lists the root's children top first.
stacking() {
  xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
    case $((id)) in "$W") echo main ;; "$C") echo cover ;; esac
  done | tr '\n' ' '
}
expect "the cover lies above the window" "$(stacking)" "cover main "
second=$(SDL_AUDIODRIVER=dummy timeout 10 "$SELFTEST" "$TITLE" 2>/dev/null)
expect "second copy ends at once, status 0" "$?:$second" "0:activated"
expect "still one window of that title" "$(xdotool search --name "^$TITLE\$" | wc -l)" 1
expect "the first copy's window is raised" "$(stacking)" "main cover "
expect "the first copy's window has the focus" "$(xdotool getwindowfocus)" "$W"
kill "$COVER_PID"
# A window the first copy keeps hidden (withdrawn) stays hidden.
hidden=$(SDL_AUDIODRIVER=dummy timeout 10 "$SELFTEST" "$TITLE dialog" 2>/dev/null)
expect "a hidden window counts as a running copy" "$hidden" activated
check "and is not shown by the second copy" \
  bash -c "xwininfo -id $D | grep -q 'Map State: IsUnMapped'"
# Under a window manager the shown window sits in the manager's frame and is found among
# the clients the manager lists on the root; the hidden one is still a child of the root.
start_wm openbox
WM_PID=${STARTED_PIDS[-1]}
check "the window manager lists the shown window" \
  bash -c "for i in \$(seq 100); do xprop -root _NET_CLIENT_LIST | grep -qiw \"$(printf '0x%x' "$W")\" && exit 0; sleep 0.05; done; exit 1"
second=$(SDL_AUDIODRIVER=dummy timeout 10 "$SELFTEST" "$TITLE" 2>/dev/null)
expect "under a window manager, a second copy finds the framed window" "$second" activated
hidden=$(SDL_AUDIODRIVER=dummy timeout 10 "$SELFTEST" "$TITLE dialog" 2>/dev/null)
expect "under a window manager, the hidden window counts as a running copy" "$hidden" activated
kill "$WM_PID"
wait "$WM_PID" 2>/dev/null

# --- closing: the window system's close button, then the session's SIGTERM
mark
"$XCLOSE" "$W"
check "window close request" saw 'main close'
wait_exit "$MAIN_PID" 10
expect "exit status after close" "$EXIT_STATUS" 0 || tail -n 30 "$WORK/main.err"

# Two copies started in the same instant: one runs, the other hands over to it.
RACE="Race Test"
SDL_AUDIODRIVER=dummy "$SELFTEST" "$RACE" > "$WORK/race1.log" 2>&1 &
R1=$!
SDL_AUDIODRIVER=dummy "$SELFTEST" "$RACE" > "$WORK/race2.log" 2>&1 &
R2=$!
STARTED_PIDS+=("$R1" "$R2")
wait_window "$RACE" 10 > /dev/null
wait_line "$WORK/race*.log" '^activated$' 10
sleep 0.5
expect "of two copies started together, one hands over" "$(cat "$WORK"/race*.log | grep -c '^activated$')" 1
expect "and one window shows" "$(xdotool search --onlyvisible --name "^$RACE\$" | wc -l)" 1
# The copy that handed over ends by itself; a SIGTERM while it is ending (its leak check
# at exit takes a while under load) would find SDL's handler gone.
if grep -qx activated "$WORK/race1.log"; then HANDED=$R1 KEPT=$R2; else HANDED=$R2 KEPT=$R1; fi
wait_exit "$HANDED" 10
expect "the copy that handed over ends by itself with status 0" "$EXIT_STATUS" 0
kill -TERM "$KEPT" 2>/dev/null
wait_exit "$KEPT" 10
expect "the running copy ends on SIGTERM with status 0" "$EXIT_STATUS" 0
check "SIGTERM ends the loop" grep -qx 'bye' "$WORK/race1.log" "$WORK/race2.log"

# A quit inside nested modal loops ends them all.
SDL_AUDIODRIVER=dummy "$SELFTEST" "Quit Test" > "$WORK/quit.log" 2>&1 &
Q=$!
STARTED_PIDS+=("$Q")
QW=$(wait_window "Quit Test")
xdotool key --window "$QW" m
wait_window "Quit Test dialog" 5 > /dev/null
xdotool key n
wait_window "Quit Test dialog2" 5 > /dev/null
kill -TERM "$Q"
wait_exit "$Q" 10
expect "a quit during nested modal windows ends the program, status 0" "$EXIT_STATUS" 0
check "every modal loop ended" grep -q 'modal end 0' "$WORK/quit.log"

# --- the loop's sleep on the X connection: events already read off the socket (by a
# round trip, or while sending) wake it at once; with nothing to read it sleeps its time
waits=$(timeout 20 "$WAIT_PROBE" 2>&1)
# wait_case CASE RESULT AWK-CONDITION-ON-MS
wait_case() {
  awk -v c="$1" -v r="$2" '$1 == c && $2 == r && ('"$3"') { ok = 1 } END { exit !ok }' <<< "$waits" ||
    { echo "the wait probe printed: $waits"; return 1; }
}
for case in after-round-trip while-sending; do
  check "the wait sees an event read $case" wait_case "$case" input '$3 < 500'
done
for case in nothing nothing-again; do
  check "with nothing sent the wait sleeps ($case)" wait_case "$case" timeout '$3 >= 190'
done

# --- sound through SDL's disk driver (real-time raw 16-bit stereo at 44.1 kHz)
if command -v sox >/dev/null 2>&1; then
  sox -n -r 44100 -c 1 "$WORK/tone.wav" synth 0.5 sine 440 vol 0.5
  # One middle C for 96 ticks at 96 ticks a beat and 120 beats a minute: 500 ms.
  printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\14\0\220\74\144\140\200\74\0\0\377\57\0' > "$WORK/note.mid"
  rms() { sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n "${@:2}" stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }
  loud() { awk -v v="$1" 'BEGIN { exit !(v > 0.01) }'; }
  quiet() { awk -v v="$1" 'BEGIN { exit !(v < 0.001) }'; }
  run_audio() {  # run_audio NAME KEYS-AND-PAUSES... (the program's raw output in $WORK/NAME.raw)
    local name=$1
    shift
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/$name.raw" "$SELFTEST" "Audio $name" \
      --wave "$AUDIO_WAVE" --music "$AUDIO_MUSIC" > "$WORK/$name.log" 2>&1 &
    local pid=$!
    STARTED_PIDS+=("$pid")
    local aw
    aw=$(wait_window "Audio $name") || return 1
    local step
    for step in "$@"; do
      case $step in
        [0-9]*) sleep "$step" ;;
        *) xdotool key --window "$aw" "$step" ;;
      esac
    done
    kill -TERM "$pid"
    wait_exit "$pid" 10
  }
  AUDIO_WAVE="$WORK/tone.wav" AUDIO_MUSIC="$WORK/none.mid"
  # Looped, then halted: sound long after the 0.5 s tone would have ended, then silence.
  run_audio loop l 2.0 x 1.0
  check "looped effect still sounds after its length" loud "$(rms "$WORK/loop.raw" trim -1.5 0.4)"
  check "a halted effect is silent" quiet "$(rms "$WORK/loop.raw" trim -0.6)"
  expect "a missing music file has no length" "$(grep '^music length' "$WORK/loop.log")" "music length none"
  AUDIO_WAVE="$WORK/missing.wav" AUDIO_MUSIC="$WORK/note.mid"
  run_audio midi 1.5 w 0.3
  check "MIDI music sounds (FluidSynth)" loud "$(rms "$WORK/midi.raw" trim 0 1.0)"
  expect "MIDI length from the file" "$(grep '^music length' "$WORK/midi.log")" "music length 500"
  check "a missing effect file is silent" quiet "$(rms "$WORK/midi.raw" trim -0.8)"
  # No sound device at all: music is still measured and "plays"; effects are silent.
  SDL_AUDIODRIVER=none-such "$SELFTEST" "Audio silent" --wave "$WORK/tone.wav" \
    --music "$WORK/note.mid" > "$WORK/silent.log" 2>&1 &
  S=$!
  STARTED_PIDS+=("$S")
  SW=$(wait_window "Audio silent")
  xdotool key --window "$SW" w
  sleep 0.3
  kill -TERM "$S"
  wait_exit "$S" 10
  expect "without a sound device the program runs on, status 0" "$EXIT_STATUS" 0
  check "without a sound device music is measured and plays" \
    grep -qz 'music length 500.music play 1' "$WORK/silent.log"
else
  fail_now "sox is not installed (sound checks)"
fi

finish
