#!/usr/bin/env bash
# The layer check on a copy of the sources: the copy passes as it is, and each include
# that runs a floor upwards makes it fail, naming the file that holds it.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
check=$src/scripts/layer-check.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for dir in gfx files clock media resources platform shell colour unlock viewer music dialogs app; do
  mkdir -p "$work/$dir"
  (cd "$src" && find "$dir" \( -name '*.h' -o -name '*.cpp' \) -exec cp --parents {} "$work" \;)
done

bash "$check" "$work" >/dev/null || { echo "FAIL: the unchanged copy is rejected"; exit 1; }

# file that gets the include | the included header
cases=(
  "shell/pad.cpp|app/application.h"
  "viewer/viewer.cpp|app/TintoMainU.h"
  "dialogs/TintoMessU.h|app/messages.h"
  "shell/skin.h|viewer/viewer_record.h"
  "platform/timer_queue.cpp|shell/skin.h"
  "platform/sim/sim_run.cpp|app/tinto.h"
  "platform/sdl/sdl_audio.cpp|music/music_state.h"
  "gfx/bitmap.h|platform/platform.h"
)
failed=0
for c in "${cases[@]}"; do
  file=${c%%|*}
  header=${c#*|}
  cp "$work/$file" "$work/$file.orig"
  printf '#include "%s"\n' "$header" >>"$work/$file"
  if out=$(bash "$check" "$work" 2>&1); then
    echo "FAIL: $file including $header passes the check"
    failed=1
  elif ! grep -q "$file" <<<"$out"; then
    echo "FAIL: $file including $header: the report does not name the file: $out"
    failed=1
  fi
  mv "$work/$file.orig" "$work/$file"
done
[ "$failed" -eq 0 ] && echo "layer check: ${#cases[@]} upward includes rejected"
exit "$failed"
