# Shared by the benchmarks: a private virtual X display without sound, the processes to
# end at exit, and a process's CPU time. Sourced, not run; sets $work and $DISPLAY.
command -v Xvfb >/dev/null 2>&1 || { echo "$(basename "$(dirname "$0")"): Xvfb is not installed"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # Until they are gone: an X server still ending when the next one starts can take the
  # new one's display with it.
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the server does not start afresh when its last client leaves, which refuses
# whoever connects meanwhile (a window search ending as the program starts).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_AUDIODRIVER=none

# The CPU time of process $1 so far, in microseconds: the scheduler's own count of the time
# each thread ran (/proc/PID/task/TID/schedstat, in nanoseconds), summed over the threads.
# /proc/PID/stat's user and system times come in steps of 10 ms, too coarse for an idle
# program's few milliseconds.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d\n", ns / 1000 }'; }

# no_window_report PID TITLE: what a start that showed no window came to, for the bench's
# message, in $no_window_report: whether the program still runs or how it ended (then it
# is waited for: call it in the shell that started it), and the windows of its title.
no_window_report() {
  local how="still running" status=0
  if ! kill -0 "$1" 2> /dev/null; then
    wait "$1" || status=$?
    how="ended with status $status"
  fi
  no_window_report="$how; windows of its title: $(xdotool search --name "$2" getwindowname %@ 2> /dev/null | tr '\n' ',' || true)"
}
