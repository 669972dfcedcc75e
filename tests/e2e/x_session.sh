# Shared by the end-to-end tests: a private virtual X display, waiting for windows,
# reading pixels, and the pass/fail bookkeeping. Sourced, not run.

# Skip (77) only when there is no virtual X server at all; every other tool missing is a
# failure of the test set-up.
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "SKIP: Xvfb is not installed"
  exit 77
fi
for tool in xdotool import convert xwininfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done

failures=0
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tinto-e2e.XXXXXX")
XVFB_PID=
declare -a STARTED_PIDS=()

KEEP_WORK=${TINTO_E2E_KEEP:-}
cleanup() {
  local status=$? pid
  # A script that stopped by itself (an unset variable, a bad subscript) shows what it saw.
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ "$failures" -eq 0 ]; then
    echo "FAIL: the test script stopped with status $status"
    show_what_was_seen
  fi
  for pid in "${STARTED_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  if [ -n "$KEEP_WORK" ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

# Starts Xvfb on a free display (it picks one itself and tells us: never a fixed number).
# The root window is white so that unpainted or unshaped pixels show. Without -noreset the
# server starts afresh whenever its last client leaves, and refuses whoever connects
# meanwhile: a window search of xdotool ending as the program started left the program
# (or xmessage) without a display, a few starts in a hundred.
start_xvfb() {
  local fdfile="$WORK/display"
  : > "$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -wr 3>"$fdfile" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  local i
  for i in $(seq 200); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  [ -s "$fdfile" ] || { echo "FAIL: Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$fdfile")"
  unset XAUTHORITY
}

# show_host_game GEOMETRY: the stand-in for the host game's main window (an xmessage of
# the game's window class, titled "hostgame"), shown; its process in HOST_PID. A start
# that shows nothing is tried twice more, and what xmessage said is printed (once it could
# not open the display: it had connected while the server started afresh, see start_xvfb).
show_host_game() {
  local attempt
  for attempt in 1 2 3; do
    xmessage -name TFM -title hostgame -geometry "$1" "host game" 2>"$WORK/hostgame.err" &
    HOST_PID=$!
    STARTED_PIDS+=("$HOST_PID")
    wait_window hostgame 5 > /dev/null && return 0
    echo "the host game's stand-in did not show (start $attempt): $(cat "$WORK/hostgame.err")"
    kill "$HOST_PID" 2>/dev/null
  done
  fail_now "no stand-in for the host game"
}

# Prints the id of the visible window whose title is exactly $1, waiting up to $2
# seconds (default 30: a sanitizer build starting on a busy machine can take that long).
# Nothing and status 1 when it does not come.
wait_window() {
  local title=$1 limit=${2:-30} i id
  for i in $(seq $((limit * 20))); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# poll_for SECONDS COMMAND...: runs the command every 50 ms until it holds (status 0) or
# SECONDS have passed (status 1).
poll_for() {
  local limit=$1 i
  shift
  for i in $(seq $((limit * 20))); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
# True when no window of the exact title $1 is visible.
no_window() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }

# Waits up to $3 seconds (default 5) for a line matching the extended regex $2 in the
# files $1 (a path or a pattern of paths without blanks).
wait_line() {
  local files=$1 pattern=$2 limit=${3:-5} i
  for i in $(seq $((limit * 20))); do
    # shellcheck disable=SC2086
    grep -Eqh -- "$pattern" $files 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}

# Waits up to $2 seconds for process $1 to end; its exit status in EXIT_STATUS (or
# "running" when it did not end).
wait_exit() {
  local pid=$1 limit=${2:-10} i
  EXIT_STATUS=running
  for i in $(seq $((limit * 20))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      EXIT_STATUS=$?
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# A test ends at its first failure, at once, with what it saw: a screenshot, the windows
# on the display, and the end of every program's standard error. The work folder is kept.
fail_now() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  show_what_was_seen
  exit 1
}
show_what_was_seen() {
  KEEP_WORK=1
  if [ -n "${DISPLAY:-}" ]; then
    timeout 10 import -window root "$WORK/failure.png" 2>/dev/null &&
      echo "screenshot: $WORK/failure.png"
    echo "windows on $DISPLAY (top first):"
    timeout 10 xwininfo -root -tree 2>/dev/null | grep -E '^ +0x[0-9a-f]+ "' | sed 's/^ */  /'
  fi
  local f
  for f in "$WORK"/*.err; do
    [ -s "$f" ] || continue
    echo "--- $f (end)"
    tail -n 20 "$f"
  done
}

# check NAME COMMAND...: runs the command, reports PASS, or fails the test.
check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
  else
    fail_now "$name"
  fi
}

# expect NAME ACTUAL EXPECTED: PASS when they are equal, else the test fails.
expect() {
  if [ "$2" = "$3" ]; then
    echo "PASS: $1"
  else
    fail_now "$1: got '$2', expected '$3'"
  fi
}

# Screen pixels as RRGGBB hex, one per "X,Y" argument, read from one screenshot file.
pixels_of() {
  local file=$1 format="" p
  shift
  for p in "$@"; do format+="%[hex:p{${p}}] "; done
  convert "$file" -format "$format" info: | sed 's/ *$//'
}

# check_main_skin_on_screen X Y SHAPE BUFFER: the main window at screen (X, Y) shows the
# simulator's back buffer (BUFFER, 844 x 410) inside its shape (SHAPE, the probe's
# "rect" lines) and the white root outside. The clock shows the time of day, which may
# differ between the two runs: only its six digits may differ.
check_main_skin_on_screen() {
  local wx=$1 wy=$2 shape=$3 buffer=$4 draw differing box bx by bw bh
  import -window root "$WORK/shot.png"
  convert "$WORK/shot.png" -crop "844x410+$wx+$wy" +repage "$WORK/actual.png"
  draw=$(awk '/^rect / {printf "rectangle %d,%d %d,%d ", $2, $3, $2 + $4 - 1, $3 + $5 - 1}' <<< "$shape")
  convert -size 844x410 xc:black -fill white -draw "$draw" "$WORK/mask.png"
  convert -size 844x410 xc:white "$buffer" "$WORK/mask.png" -composite "$WORK/expected.png"
  convert "$WORK/actual.png" "$WORK/expected.png" -compose difference -composite \
    -threshold 0 "$WORK/diff.png"
  differing=$(convert "$WORK/diff.png" -format '%[fx:int(mean*w*h+0.5)]' info:)
  box=$(convert "$WORK/diff.png" -trim -format '%X %Y %w %h' info: 2>/dev/null)
  if [ "$differing" -eq 0 ]; then
    echo "PASS: the window shows the skin exactly"
    return 0
  fi
  read -r bx by bw bh <<< "${box//+/}"
  # The time of day at skin (244, 109): six digits in three pairs.
  if [ "$bx" -ge 674 ] && [ "$by" -ge 109 ] && [ $((bx + bw)) -le 720 ] && [ $((by + bh)) -le 125 ]; then
    echo "PASS: the window shows the skin (only the clock differs: $differing pixels)"
  else
    fail_now "$differing pixels differ from the skin, within ${bw}x${bh} at $bx,$by"
  fi
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
  exit 0
}

# Makes a fresh game folder GAME holding the program $1 (and the demo game's files, made
# by the generator $2 when one is given); start_tinto LOG runs the program there, its
# pid in TINTO_PID; clean_stderr LOG holds when no sanitizer or X error report is on the
# run's standard error.
TITLE="Quiro EDIT"
make_game() {
  GAME="$WORK/game"
  mkdir -p "$GAME"
  [ -n "${2:-}" ] && "$2" "$GAME" > /dev/null
  cp "$1" "$GAME/tinto"
  export SDL_AUDIODRIVER=dummy
}
start_tinto() {
  (cd "$GAME" && exec ./tinto) > "$WORK/$1.out" 2> "$WORK/$1.err" &
  TINTO_PID=$!
  STARTED_PIDS+=("$TINTO_PID")
}
clean_stderr() { ! grep -Eq 'runtime error|Sanitizer|X Error' "$WORK/$1.err"; }

# Starts the window manager $1 (openbox or metacity) on the display and waits until it
# manages the screen (it names itself on the root window). A manager that gives up at
# once (on a machine under load one may fail to connect) is started again, twice at most.
start_wm() {
  local wm=$1 attempt i pid
  command -v "$wm" >/dev/null 2>&1 || { echo "FAIL: $wm is not installed"; exit 1; }
  case $wm in openbox | metacity) ;; *) echo "FAIL: unknown window manager $wm"; exit 1 ;; esac
  for attempt in 1 2 3; do
    "$wm" --sm-disable >> "$WORK/wm.log" 2>&1 &
    pid=$!
    STARTED_PIDS+=("$pid")
    for i in $(seq 200); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && break
  done
  echo "FAIL: $wm did not start"
  cat "$WORK/wm.log"
  exit 1
}

# The top-left corner of window $1's client area on the screen, as "X Y".
window_position() {
  xwininfo -id "$1" | awk '/Absolute upper-left [XY]/ {printf "%s%s", sep, $4; sep = " "}'
}

# Waits up to 5 seconds for window $1 to sit at "$2".
wait_position() {
  local i
  for i in $(seq 100); do
    [ "$(window_position "$1")" = "$2" ] && return 0
    sleep 0.05
  done
  return 1
}

# An event log read a piece at a time ($LOG, one event a line, CR LF from Windows
# programs): mark remembers its length, since prints what came after the mark, saw waits
# (up to 15 s: a busy machine can delay an event by seconds) for a line matching the whole
# of $1, never checks that no such line comes within 0.3 s.
MARK=0
mark() { MARK=$(wc -l < "$LOG"); }
since() { tail -n +$((MARK + 1)) "$LOG" | tr -d '\r'; }
saw() {
  local i
  for i in $(seq 300); do
    since | grep -Eqx -- "$1" && return 0
    sleep 0.05
  done
  return 1
}
never() { sleep 0.3; ! since | grep -Eqx -- "$1"; }
