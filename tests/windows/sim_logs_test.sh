#!/usr/bin/env bash
# The simulator cross-built for Windows, run under Wine, against the simulator of this
# machine: for each script in SCRIPTS, in a game folder with a Japanese name, the logs,
# the pictures the script writes and every file left in the game folder must be the same
# byte for byte.
#   sim_logs_test.sh PREFIX HOST_SIM WINDOWS_SIM DEMO_GAME SCRIPTS
set -u
WINE_PREFIX_DIR=$1 HOST_SIM=$2 WIN_SIM=$3 DEMO=$4 SCRIPTS=$5
. "$(dirname "$0")/wine_session.sh"
start_xvfb
start_wine

# run_sim SIDE SCRIPT: runs one side's simulator in $WORK/SIDE; the log in SIDE.log.
run_sim() {
  local side=$1 script=$2 folder out
  rm -rf "${WORK:?}/$side"
  mkdir -p "$WORK/$side/ゲーム" "$WORK/$side/out"
  "$DEMO" "$WORK/$side/ゲーム" > /dev/null
  if [ "$side" = linux ]; then
    folder=$WORK/$side/ゲーム out=$WORK/$side/out
    sed -e "s|@FOLDER@|$folder|g" -e "s|@OUT@|$out|g" "$script" > "$WORK/$side.sim"
    "$HOST_SIM" "$WORK/$side.sim" > "$WORK/$side.log" 2> "$WORK/$side.err"
  else
    folder=$(winepath -w "$WORK/$side/ゲーム") out=$(winepath -w "$WORK/$side/out")
    # The script names Windows paths with backslashes; sed sees them doubled.
    sed -e "s|@FOLDER@|${folder//\\/\\\\}|g" -e "s|@OUT@|${out//\\/\\\\}|g" -e 's|/Y_q|\\Y_q|' \
      "$script" > "$WORK/$side.sim"
    wine "$WIN_SIM" "$(winepath -w "$WORK/$side.sim")" > "$WORK/$side.log" 2> "$WORK/$side.err"
  fi
  echo "$side status $?" >> "$WORK/$side.log"
  # The game folder as the log names it, the same on both sides.
  local spelled=$folder
  [ "$side" = windows ] && spelled=${folder//\\//}
  tr '\\' '/' < "$WORK/$side.log" | awk -v f="$spelled" '{ while ((i = index($0, f)) > 0) $0 = substr($0, 1, i - 1) "GAME" substr($0, i + length(f)); print }' \
    > "$WORK/$side.norm"
}

for script in "$SCRIPTS"/*.sim; do
  [ -f "$script" ] || { echo "FAIL: no scripts in $SCRIPTS"; exit 1; }
  name=$(basename "$script" .sim)
  run_sim linux "$script"
  run_sim windows "$script"
  check "$name: the simulator ran on Linux" grep -qx "linux status 0" "$WORK/linux.log"
  check "$name: the simulator ran under Wine" grep -qx "windows status 0" "$WORK/windows.log"
  sed -i '$d' "$WORK/linux.norm" "$WORK/windows.norm"
  if cmp -s "$WORK/linux.norm" "$WORK/windows.norm"; then
    echo "PASS: $name: the same log ($(wc -l < "$WORK/linux.norm") lines)"
  else
    echo "FAIL: $name: the logs differ"
    diff "$WORK/linux.norm" "$WORK/windows.norm" | head -20
    failures=$((failures + 1))
  fi
  for side_dir in out ゲーム; do
    expect "$name: $side_dir holds the same files" "$(ls "$WORK/windows/$side_dir")" "$(ls "$WORK/linux/$side_dir")"
    differing=$(cd "$WORK/linux/$side_dir" && for f in *; do
                  [ -e "$f" ] && ! cmp -s "$f" "$WORK/windows/$side_dir/$f" && echo "$f"; done)
    expect "$name: $side_dir: every file the same byte for byte ($(ls "$WORK/linux/$side_dir" | wc -l))" "$differing" ""
  done
done
stop_wine
finish
