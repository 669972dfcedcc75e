#!/usr/bin/env bash
# End-to-end test of the program's sound on a virtual X display, with SDL's disk audio
# driver writing what the program plays into a file (16-bit stereo at 44.1 kHz, in real
# time): a WAV dropped on the window, the same named on the command line and a built-in
# MIDI song each sound, and start again after their own length; a looping alarm sound is
# cut by the next effect.
#   audio_test.sh TINTO XDND_SEND [DEMO_GAME]
set -u
TINTO=$1 DND=$2 DEMO=${3:-}
. "$(dirname "$0")/x_session.sh"
for tool in sox od; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
start_xvfb
TITLE="Quiro EDIT"
export SDL_AUDIODRIVER=disk
BYTES_PER_MS=$((44100 * 4 / 1000))  # 176.4, rounded down: positions are good to a few ms

# run_tinto NAME GAME [ARG...]: starts the program in GAME (with the command-line
# arguments ARG) with its sound going to WORK/NAME.raw; its pid in TINTO_PID, its window
# in W.
run_tinto() {
  cp "$TINTO" "$2/tinto"
  (cd "$2" && SDL_DISKAUDIOFILE="$WORK/$1.raw" exec ./tinto "${@:3}") > "$WORK/$1.out" 2> "$WORK/$1.err" &
  TINTO_PID=$!
  STARTED_PIDS+=("$TINTO_PID")
  W=$(wait_window "$TITLE") || fail_now "the main window did not appear ($1)"
}
stop_tinto() {
  kill -TERM "$TINTO_PID"
  wait_exit "$TINTO_PID" 10
  expect "$1: the program ends with status 0" "$EXIT_STATUS" 0
  check "$1: no sanitizer report" bash -c "! grep -Eq 'runtime error|Sanitizer' '$WORK/$1.err'"
}
# Milliseconds of sound written so far.
position_ms() { echo $(( $(stat -c %s "$WORK/$1.raw") / BYTES_PER_MS )); }
click() { xdotool mousemove --window "$W" "$1" "$2" click 1; }

# envelope NAME: one line per 10 ms of the recording, its loudest sample (left channel).
envelope() {
  od -An -v -t d2 -w4 "$WORK/$1.raw" |
    awk '{ v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v; if (++n == 441) { print peak; n = 0; peak = 0 } }' \
    > "$WORK/$1.env"
}
# onsets NAME: the times (ms) at which sound starts after at least 50 ms of silence.
onsets() {
  awk '{ loud = $1 > 300; if (loud && quiet >= 5) printf "%d ", (NR - 1) * 10; quiet = loud ? 0 : quiet + 1 }
       BEGIN { quiet = 5 }' "$WORK/$1.env"
}
# loud_between NAME FROM TO: true when some 10 ms of FROM..TO ms hold sound.
loud_between() {
  awk -v a="$2" -v b="$3" '(NR - 1) * 10 >= a && (NR - 1) * 10 < b && $1 > 300 { found = 1 } END { exit !found }' \
    "$WORK/$1.env"
}
quiet_between() { ! loud_between "$@"; }
# intervals_within ONSETS LOW HIGH: at least two intervals, every one within LOW..HIGH ms.
# The low bound is the file's length: a song never starts again before its end. The high
# bound is generous, well short of twice the length: the disk driver writes on its own
# clock, which falls behind when the machine is busy (a sanitizer build under a parallel
# test run), and each MIDI opening loads the soundfont again.
intervals_within() {
  local -a t=($1)
  [ "${#t[@]}" -ge 3 ] || { echo "  onsets: $1"; return 1; }
  local i d
  for ((i = 1; i < ${#t[@]}; i++)); do
    d=$((t[i] - t[i - 1]))
    if [ "$d" -lt "$2" ] || [ "$d" -gt "$3" ]; then echo "  onsets: $1"; return 1; fi
  done
}

# --- a dropped WAV: 600 ms of tone, then 600 ms of silence. It plays at once and, with
# continuous play off, again after its 1200 ms (at the next main tick, up to 125 ms later).
mkdir -p "$WORK/quiet" "$WORK/music dir"
sox -n -r 44100 -c 2 -b 16 "$WORK/music dir/Tone Test.WAV" synth 0.6 sine 440 pad 0 0.6
run_tinto drop "$WORK/quiet"
sleep 0.5
"$DND" "$W" "$WORK/music dir/Tone Test.WAV" > "$WORK/dnd.out"
expect "the window takes the drop" "$(cat "$WORK/dnd.out")" dropped
sleep 4.5
stop_tinto drop
envelope drop
check "the dropped WAV sounds and restarts after its length" intervals_within "$(onsets drop)" 1150 2100

# --- the same WAV named on the command line, relative to the folder the program starts
# in, beside a name that is no music file: it plays from the start, and again after its
# length.
mkdir -p "$WORK/args"
run_tinto args "$WORK/args" "../music dir/Tone Test.WAV" "../music dir/notes.txt"
sleep 4.5
stop_tinto args
envelope args
check "a WAV named on the command line sounds and restarts after its length" \
  intervals_within "$(onsets args)" 1150 2100

# --- a built-in MIDI song, "Zz.mid": a piano note of 800 ms, then 800 ms of rest, in all
# 1600 ms. The note button plays it.
mkdir -p "$WORK/midi"
printf 'MThd\0\0\0\006\0\0\0\001\001\340MTrk\0\0\0\021\0\300\0\0\220\074\144\206\0\200\074\0\206\0\377\057\0' \
  > "$WORK/midi/Zz.mid"
run_tinto midi "$WORK/midi"
sleep 0.5
click 735 259
sleep 5.5
stop_tinto midi
envelope midi
check "the built-in MIDI song sounds and restarts after its length" intervals_within "$(onsets midi)" 1550 2700

# --- hostile sound files: a 100 kB WAV at 1 Hz named on the command line (100,000 s), and
# effect 11, played at start, a 1 kB WAV at 1 Hz. Converted to the output's rate they
# would take gigabytes; the program refuses both and stays small.
le() {  # le VALUE BYTES: VALUE as BYTES little-endian bytes
  local i
  for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $((($1 >> (8 * i)) & 255)))"; done
}
slow_wav() {  # slow_wav FILE DATA_BYTES: 16-bit mono PCM at 1 Hz
  { printf 'RIFF'; le $((36 + $2)) 4; printf 'WAVEfmt '; le 16 4; le 1 2; le 1 2; le 1 4; le 2 4
    le 2 2; le 16 2; printf 'data'; le "$2" 4; head -c "$2" /dev/zero | tr '\0' '\1'; } > "$1"
}
mkdir -p "$WORK/slow"
slow_wav "$WORK/slow/slow.wav" 100000
slow_wav "$WORK/slow/Y_q11.wav" 1000
run_tinto slow "$WORK/slow" slow.wav
sleep 3
peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$TINTO_PID/status")
echo "  peak resident set with the 1 Hz files: $((peak_kb / 1024)) MB"
stop_tinto slow
check "the 1 Hz song and effect are refused, not converted (peak under 100 MB)" \
  test "$peak_kb" -lt $((100 * 1024))

# --- the alarm sound looping, cut by an effect: the loop toggle on, the sound-wave button
# plays alarm sound 10 (1.5 s) in a loop; 3.5 s later the countdown reset plays effect 40
# (100 ms), after which all is quiet.
if [ -n "$DEMO" ]; then
  mkdir -p "$WORK/game"
  "$DEMO" "$WORK/game" > /dev/null
  run_tinto alarm "$WORK/game"
  sleep 1.5
  click 757 256
  sleep 0.3
  click 776 259
  start=$(position_ms alarm)
  sleep 3.5
  click 750 298
  cut=$(position_ms alarm)
  sleep 2
  stop_tinto alarm
  envelope alarm
  end=$(($(wc -l < "$WORK/alarm.env") * 10))
  check "the alarm sound goes on past its own length" loud_between alarm $((start + 2000)) $((cut - 100))
  check "the effect cuts the looping alarm" quiet_between alarm $((cut + 600)) "$end"
  check "silence lasts to the end" test $((end - cut)) -ge 1500
else
  echo "SKIP: no demo game for the alarm sounds"
fi

finish
