#!/usr/bin/env bash
# Instruction counts under callgrind, the repeatable figure: the fixed simulator session
# (session.sim) against the same span of fake time with no input (start-up and waiting
# only), in the demo game folder.   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
command -v valgrind >/dev/null 2>&1 || { echo "callgrind: valgrind is not installed (scripts/install-deps.sh bench)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game" "$work/music"
"$build/tools/demo_game/demo_game" "$work/game" "$work/music" > /dev/null

drops=$(for f in "$work/music"/*; do printf '"%s" ' "$f"; done)
{ echo "folder $work/game"; sed "s|@MUSIC@|$drops|" "$here/session.sim"; } > "$work/session.sim"
# The same fake time without input: the sum of the session's waits.
span=$(awk '$1 == "wait" { s += $2 } END { print s }' "$here/session.sim")
printf 'folder %s\nseed 7\nstart\nwait %s\n' "$work/game" "$span" > "$work/idle.sim"

# instructions SCRIPT: the total instruction count of tinto-sim running it.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "$build/tinto-sim" "$1" > /dev/null 2> "$work/err" ||
    { cat "$work/err"; exit 1; }
  awk '/^summary:/ { print $2 }' "$work/out"
}
session=$(instructions "$work/session.sim")
idle=$(instructions "$work/idle.sim")
awk -v s="$session" -v i="$idle" -v span="$span" 'BEGIN {
  printf "fixed session        %14.0f instructions\n", s
  printf "idle, same %d ms %14.0f instructions\n", span, i
  printf "ratio %.2fx\n", s / i }'
