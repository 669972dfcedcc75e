#!/usr/bin/env bash
# The slowest of three runs of one length probe for each file made to be slow.
#   bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench.sh BUILD_DIR}" && pwd)
"$build/bench/length_probes/bench_length_probes"
