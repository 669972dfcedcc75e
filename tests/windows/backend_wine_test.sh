#!/usr/bin/env bash
# End-to-end test of the Windows backend under Wine on a virtual display, through the
# backends' self-test program (win32_selftest) that logs every event it gets: window
# shape and pixels, mouse and keys, blocking waits, modal windows, the error message,
# dropped files, single instance, closing, music and effects.
#   backend_wine_test.sh PREFIX WIN32_SELFTEST XSHAPE_PROBE XDND_SEND DEMO_GAME
set -u
WINE_PREFIX_DIR=$1 SELFTEST=$2 PROBE=$3 DND=$4 DEMO=$5
. "$(dirname "$0")/wine_session.sh"
start_xvfb
start_wine

TITLE="Backend Test"
LOG="$WORK/main.log"

wine "$SELFTEST" "$TITLE" > "$LOG" 2> "$WORK/main.err" &
MAIN_PID=$!
STARTED_PIDS+=("$MAIN_PID")
W=$(wait_window "$TITLE" 60) || { echo "FAIL: the window did not appear"; cat "$LOG" "$WORK/main.err"; exit 1; }
check "the window appears at the first timer tick" wait_line "$LOG" '^shown'

# --- shape: exactly the region's pixels, read back from the X server
area=$(tr -d '\r' < "$LOG" | sed -n 's/^region area \([0-9]*\) .*/\1/p')
shape=$("$PROBE" "$W" 50,50 99,99 100,100 0,150 150,150 200,150 299,150 290,10)
expect "shape area equals the region's" "$(sed -n 's/^area //p' <<< "$shape")" "$area"
expect "shape bounds" "$(sed -n 's/^bounds //p' <<< "$shape")" "0 0 300 200"
for point in "50,50 in" "99,99 in" "100,100 out" "0,150 out" "150,150 out" "200,150 out" \
             "299,150 in" "290,10 in"; do
  check "shape: $point" grep -qx "$point" <<< "$shape"
done
expect "position" "$(xwininfo -id "$W" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')" "100 100 "

# --- pixels on screen: the back buffer inside the shape, the white root outside
sleep 0.3
import -window root "$WORK/shot.png"
expect "screen pixels" "$(pixels_of "$WORK/shot.png" 150,150 390,110 100,250 300,250 150,120)" \
  "FF8040 2080FF FFFFFF FFFFFF FF8040"
# Drawing clipped at the window's and the bitmap's edges (window coordinates + 100).
expect "clipped drawing" "$(pixels_of "$WORK/shot.png" 119,119 120,120 159,159 160,160 \
  179,179 180,180 199,199 158,170 170,158)" "FF00FF FF8040 FF8040 FF00FF FF00FF FF00FF FF00FF FF8040 FF8040"

# --- mouse
mark
xdotool mousemove --window "$W" 20 30 click 1
check "left press" saw 'main down L 20 30 -'
check "left release in client coordinates" saw 'main up L 20 30 -'
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
for pair in a:65 z:90 0:48 F1:112 space:32 Return:13 BackSpace:8 Home:36 Delete:46 \
            Left:37 Down:40 Prior:33 comma:188 minus:189 period:190 slash:191; do
  mark
  xdotool key "${pair%%:*}"
  check "key ${pair%%:*} is ${pair##*:}" saw "main keyup ${pair##*:} .*"
done
mark
xdotool key ctrl+a
check "ctrl with a key" saw 'main keydown 65 c'
mark
xdotool keydown shift key k
check "Shift held, as the keyboard has it now" saw 'keys shift 1 ctrl 0 alt 0 a 0'
xdotool keyup shift
mark
xdotool keydown alt key k
check "Alt held" saw 'keys shift 0 ctrl 0 alt 1 a 0'
xdotool keyup alt
mark
xdotool key k
check "nothing held" saw 'keys shift 0 ctrl 0 alt 0 a 0'

# --- blocking wait: no timer runs during it
mark
xdotool key s
check "no tick during a blocking wait" saw 'slept ticks-during 0'

# --- modal windows
mark
xdotool key m
check "modal dialog opens" saw 'modal begin'
D=$(wait_window "$TITLE dialog" 10)
check "modal dialog shown" test -n "$D"
check "modal dialog painted" saw 'dialog paint'
mark
xdotool mousemove --window "$W" 20 30 click 1 key f
check "keys go to the modal window" saw 'focus dialog 1'
check "no press reaches the window below a modal one" never 'main (down|up) .*'
mark
xdotool key n
check "second modal on top" saw 'modal2 begin'
D2=$(wait_window "$TITLE dialog2" 10)
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

# --- the platform's error message: modal; input meant for our windows meanwhile is dropped
mark
xdotool key e
E=$(wait_window "Quiro EDIT" 20)
check "error message shown" test -n "$E"
xdotool mousemove --window "$W" 20 30 click 1
sleep 0.2
[ -n "$E" ] && xdotool mousemove --window "$E" 20 10 click 1 key Return
check "error message closed with Enter" saw 'error closed'
check "a press made while it was up is dropped" never 'main (down|up) .*'

# --- dropped files: one call per drop, full names
mark
expect "drop accepted" "$("$DND" "$W" "$WORK/a b.mid" "$WORK/ü.mp3")" dropped
check "one drop event with both files" saw "main drop $(winepath -w "$WORK/a b.mid" | sed 's/[\\.]/\\&/g') $(winepath -w "$WORK/ü.mp3" | sed 's/[\\.]/\\&/g')"

# --- single instance: a second copy hands over to the first and ends
second=$(timeout 60 wine "$SELFTEST" "$TITLE" 2> /dev/null | tr -d '\r')
expect "second copy ends at once, status 0" "$?:$second" "0:activated"
expect "still one window of that title" "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" 1

# --- closing: the main window's close request ends the loop
mark
xdotool key q
wait_exit "$MAIN_PID" 20
expect "exit status after quit" "$EXIT_STATUS" 0
check "the loop ended" grep -q '^bye' "$LOG"
# --- music through MCI and effects through sndPlaySoundW, on ALSA's null device: a
# file is measured and plays; a missing one has no length
"$DEMO" "$WORK/game" > /dev/null
# run_audio NAME MUSIC: one run that opens MUSIC, plays an effect and quits.
run_audio() {
  wine "$SELFTEST" "Audio $1" --wave "$(winepath -w "$WORK/game/Y_q02.wav")" \
    --music "$(winepath -w "$2")" > "$WORK/$1.log" 2> "$WORK/$1.err" &
  local pid=$! id
  local i
  if id=$(wait_window "Audio $1" 60); then
    # A key sent the moment the window shows may come before it takes keys: again until
    # the effect is reported.
    for i in $(seq 10); do
      xdotool key --window "$id" w
      wait_line "$WORK/$1.log" '^wave' 2 && break
    done
    xdotool key --window "$id" q
  fi
  wait_exit "$pid" 20
  tr -d '\r' < "$WORK/$1.log" | grep -E '^(music|wave)' | uniq | tr '\n' ' '
}
wav_ms=$(awk -v s="$(soxi -D "$WORK/game/Y_q01.wav" 2>/dev/null || echo 0)" 'BEGIN {printf "%d", s * 1000 + 0.5}')
expect "a WAV's length from MCI, and it plays" "$(run_audio wav "$WORK/game/Y_q01.wav")" \
  "music length $wav_ms music play 1 wave "
midi=$(run_audio midi "$WORK/game/Z01.mid")
check "a MIDI file is measured and plays ($midi)" \
  grep -Eq "^music length [1-9][0-9]* music play 1 wave \$" <<< "$midi"
expect "a missing music file has no length" "$(run_audio none "$WORK/game/none.mid")" \
  "music length none music play 0 wave "

stop_wine
finish
