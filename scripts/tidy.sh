#!/usr/bin/env bash
# Runs clang-tidy (the root .clang-tidy) over the program's own sources: every .cpp of the
# build's compile_commands.json outside tests/, tools/, fuzz/, bench/ and the build folders.
# Usage: tidy.sh BUILD_DIR [FILE...] (a configured build of this tree; the files default to
# every program source). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: tidy.sh BUILD_DIR [FILE...]}"
shift
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: no $build/compile_commands.json; configure the build first" >&2
  exit 2
fi
root="$(pwd)"
# The program's sources: the folders that hold the program, not its tests and tools.
filter="^${root}/(app|clock|colour|dialogs|files|gfx|music|platform|resources|unlock|viewer|shell|media)/"
mapfile -t sources < <(python3 - "$build/compile_commands.json" "$filter" <<'PY'
import json, re, sys
entries = json.load(open(sys.argv[1]))
pattern = re.compile(sys.argv[2])
seen = sorted({e["file"] for e in entries if pattern.match(e["file"])})
print("\n".join(seen))
PY
)
if [ "$#" -gt 0 ]; then
  sources=()
  for file in "$@"; do sources+=("$root/$file"); done
fi
if [ "${#sources[@]}" -eq 0 ]; then
  echo "tidy: no program sources in $build/compile_commands.json" >&2
  exit 2
fi
log="$build/tidy.log"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
  -header-filter="^${root}/(app|clock|colour|dialogs|files|gfx|music|platform|resources|unlock|viewer|shell|media)/" \
  "${sources[@]}" >"$log" 2>&1 || true
findings=$(grep -cE '(warning|error): ' "$log" || true)
if [ "$findings" -ne 0 ]; then
  grep -E '(warning|error): ' "$log" | sort -u
  echo "tidy: $findings findings over ${#sources[@]} files (full output in $log)" >&2
  exit 1
fi
echo "tidy: ${#sources[@]} files clean"
