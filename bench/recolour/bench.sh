#!/usr/bin/env bash
# Recolouring against a plain copy of the same pixels: both character panels, and the
# picker's 21 swatches of one part.   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
"$build/bench/recolour/recolour_bench" --benchmark_repetitions="${RECOLOUR_REPETITIONS:-9}" \
  --benchmark_report_aggregates_only=true --benchmark_min_time="${RECOLOUR_MIN_TIME:-0.2}"
