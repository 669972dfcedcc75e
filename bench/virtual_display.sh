# Shared by the benchmarks: a private virtual X display without sound, the processes to
# end at exit, and a process's CPU time. Sourced, not run; sets $work and $DISPLAY.
command -v Xvfb >/dev/null 2>&1 || { echo "$(basename "$(dirname "$0")"): Xvfb is not installed"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_AUDIODRIVER=none
hz=$(getconf CLK_TCK)

# The CPU time (user + system) of process $1 so far, in milliseconds.
cpu_ms() { awk -v hz="$hz" '{ sub(/^.*\) /, ""); print int(($12 + $13) * 1000 / hz) }' "/proc/$1/stat"; }
