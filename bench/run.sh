#!/usr/bin/env bash
# Runs every measurement under bench/ against a build: run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for script in "$here"/*/bench.sh; do
  echo "== $(basename "$(dirname "$script")")"
  bash "$script" "$build"
done
