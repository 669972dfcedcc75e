#!/usr/bin/env bash
# Effects and songs from game folders whose paths the legacy code page cannot spell, or
# that are long: Tinto.exe under Wine with the code pages 1252 and 932, in a folder named
# "ゲーム" and in one whose path is over 160 characters; under 932 also with the song in a
# deep folder of Japanese names elsewhere, and with the whole game in one. A song named on
# the command line opens at start, and each click on the music player's button plays an
# effect and opens a song again; the program logs every wave and MCI call with its result
# (TINTO_MEDIA_LOG), every one of them must succeed, and the program must still run.
#   sound_paths_wine_test.sh PREFIX TINTO_EXE DEMO_GAME
set -u
WINE_PREFIX_DIR=$1 TINTO=$2 DEMO=$3
. "$(dirname "$0")/wine_session.sh"
for tool in localedef sox; do
  command -v "$tool" > /dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
start_xvfb
start_wine
TITLE="Quiro EDIT"
MUSIC_BUTTON="720 267"  # the music player's "previous" button, client point

# Wine takes its code page from the Unix locale: the two locales are compiled into the
# work folder, so the machine's own locale list is left alone.
export LOCPATH="$WORK/locales"
mkdir -p "$LOCPATH"
localedef -i en_US -f UTF-8 "$LOCPATH/en_US.UTF-8" 2> /dev/null
localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" 2> /dev/null
declare -A LOCALE_OF=([1252]=en_US.UTF-8 [932]=ja_JP.UTF-8)

long_folder() {  # a path of over 160 characters under $1, its last part in Japanese
  local dir=$1/music-and-effects-of-the-game
  while [ ${#dir} -lt 170 ]; do dir="$dir/another-folder-level"; done
  echo "$dir/ゲーム"
}

japanese_folder() {  # a path of about $2 characters under $1, every part in Japanese
  local dir=$1/日本語の曲
  while [ ${#dir} -lt "$2" ]; do dir="$dir/お気に入りの音楽フォルダー"; done
  echo "$dir"
}

# The Windows name of a Unix path on Wine's drive Z: (winepath cuts long Japanese names).
windows_name() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}

# plays CODE_PAGE FOLDER [SONG_FOLDER]: three effects from FOLDER and a song from
# SONG_FOLDER (FOLDER when not given), all opened.
plays() {
  local cp=$1 game=$2 songs=${3:-$2} run log W
  run="cp$cp-$(basename "$(dirname "$game")")-${#songs}"
  log="$WORK/$run.media"
  mkdir -p "$game" "$songs"
  "$DEMO" "$game" > /dev/null
  cp "$TINTO" "$game/Tinto.exe"
  sox -n -r 22050 -c 1 -b 16 "$songs/曲.wav" synth 1.5 sine 440 2> /dev/null
  : > "$log"
  (cd "$game" && LC_ALL=${LOCALE_OF[$cp]} TINTO_MEDIA_LOG=$(windows_name "$log") \
    WINEDEBUG=err+all exec wine ./Tinto.exe "$(windows_name "$songs/曲.wav")") \
    > "$WORK/$run.out" 2> "$WORK/$run.err" &
  TINTO_PID=$!
  STARTED_PIDS+=("$TINTO_PID")
  W=$(wait_window "$TITLE" 60)
  if [ -z "$W" ]; then
    kill -0 "$XVFB_PID" 2> /dev/null || echo "the virtual display has ended"
    kill -0 "$TINTO_PID" 2> /dev/null || echo "wine has ended"
    echo "Wine's processes:"
    ps -eo pid,stat,etime,time,args | grep -E '[w]ine|[.]exe' | cut -c1-200
    fail_now "[$cp] the main window did not appear in $game"
  fi
  # The song of the command line is the only one opened before the first click.
  poll_for 10 grep -q '^ok mci open' "$log"
  check "[$cp] song in a ${#songs}-character folder: it opened at start" \
    grep -q '^ok mci open' "$log"
  sleep 0.5
  local i x y
  read -r x y <<< "$MUSIC_BUTTON"
  for i in 1 2 3; do
    xdotool mousemove --window "$W" "$x" "$y" click 1
    sleep 0.5
  done
  poll_for 10 bash -c "[ \$(grep -c '^ok wave' '$log') -ge 3 ]"
  echo "[$cp] ${#game}-character folder: $(tr -d '\r' < "$log" | sort | uniq -c | tr -s ' \n' ' ')"
  check "[$cp] ${#game}-character folder: three effects played" \
    bash -c "[ \$(grep -c '^ok wave' '$log') -ge 3 ]"
  check "[$cp] ${#game}-character folder: the song opened" grep -q '^ok mci open' "$log"
  check "[$cp] ${#game}-character folder: no wave or MCI call failed" \
    bash -c "! grep -q '^fail' '$log'"
  # An exception that escapes ends the program, or leaves it behind the runtime's notice.
  check "[$cp] ${#game}-character folder: the program still runs" kill -0 "$TINTO_PID"
  check "[$cp] ${#game}-character folder: nothing was thrown out of the program" \
    bash -c "! grep -aq 'terminate called' '$WORK/$run.err'"
  kill "$TINTO_PID" 2> /dev/null
  stop_wine
}

for cp in 1252 932; do
  plays "$cp" "$WORK/cp$cp/ゲーム"
  plays "$cp" "$(long_folder "$WORK/cp$cp")"
done
# Under 932: a song whose every folder has a Japanese name, about 230 characters deep,
# apart from the game; then the game itself (its pictures, films and songs) in such a
# folder.
plays 932 "$WORK/cp932-apart/ゲーム" "$(japanese_folder "$WORK/cp932-apart" 230)"
deep_game=$(japanese_folder "$WORK/cp932-deep" 200)/ゲーム
plays 932 "$deep_game"
finish
