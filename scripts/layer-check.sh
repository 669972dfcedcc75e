#!/usr/bin/env bash
# Checks that the program's folders include only what lies on their own floor or below:
#   0  gfx/ files/ clock/ media/ resources/   (nothing of the program above them)
#   1  platform/                              (its interface, timer queue and backends)
#   2  shell/                                 (what every window stands on)
#   3  colour/ unlock/ viewer/ music/ dialogs/ (the features)
#   4  app/                                   (the program object, main window, entries)
# A folder may include its own floor and the floors below; one include upwards fails the
# check, naming the file, the line and the two floors. Usage: layer-check.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

floor_of() {
  case $1 in
    gfx | files | clock | media | resources) echo 0 ;;
    platform) echo 1 ;;
    shell) echo 2 ;;
    colour | unlock | viewer | music | dialogs) echo 3 ;;
    app) echo 4 ;;
    *) echo "" ;;
  esac
}

bad=0
checked=0
for dir in gfx files clock media resources platform shell colour unlock viewer music dialogs app; do
  [ -d "$dir" ] || continue
  own=$(floor_of "$dir")
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    target=$(sed -E 's/^[^"]*"([^"/]+)\/.*$/\1/' <<<"${rest#*:}")
    floor=$(floor_of "$target")
    [ -n "$floor" ] || continue
    if [ "$floor" -gt "$own" ]; then
      echo "layer-check: $file:$line includes $target/ (floor $floor) from $dir/ (floor $own)" >&2
      bad=1
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$dir" || true)
  checked=$((checked + 1))
done
if [ "$checked" -eq 0 ]; then
  echo "layer-check: no source folders under $root" >&2
  exit 1
fi
[ "$bad" -eq 0 ] || exit 1
echo "layer-check: $checked folders include nothing above their floor"
