#!/usr/bin/env bash
# Checks (or with --fix, applies) the project's .clang-format on every tracked C++ source.
# Exit 77 (a skipped test) where there is no git work tree or no clang-format to ask.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "format-check: no clang-format on PATH" >&2
  exit 77
fi
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "format-check: $(pwd) is not a git work tree; nothing to list" >&2
  exit 77
fi
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${sources[@]}"
  exit 0
fi
clang-format --dry-run -Werror "${sources[@]}"
echo "format-check: ${#sources[@]} files as .clang-format has them"
