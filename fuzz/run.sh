#!/bin/bash
# Runs the fuzz targets: usage run.sh BUILD MEMORY_BUILD SECONDS TARGET...
#
# Each target first runs SECONDS under the address and undefined-behaviour sanitizers (the
# driver in BUILD), keeping new inputs in BUILD/corpus/<target> and findings in
# BUILD/findings/<target>. A single allocation of 64 MB or more and an input that takes
# more than 10 s are findings too; the run goes on after an out-of-memory finding.
# Then every input found so far is replayed by the driver without sanitizers
# (MEMORY_BUILD), where the peak memory of the whole process must stay under 64 MB.
# Exits non-zero when any target found something.
set -u
build=$1 memory_build=$2 seconds=$3
shift 3
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$@"; do
  work="$build/corpus/$target" findings="$build/findings/$target" log="$build/fuzz-$target.log"
  mkdir -p "$work" "$findings"
  echo "== $target: $seconds s (log in $log)"
  ASAN_OPTIONS=quarantine_size_mb=16:detect_leaks=1 TINTO_FUZZ_TARGET=$target \
    "$build/fuzz/tinto-fuzz" "$work" "$root/fuzz/corpus/$target" \
    -fork=1 -ignore_ooms=1 -ignore_crashes=0 -ignore_timeouts=0 \
    -max_total_time="$seconds" -malloc_limit_mb=64 -rss_limit_mb=2048 -timeout=10 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
  TINTO_FUZZ_TARGET=$target "$memory_build/fuzz/tinto-fuzz" -runs=0 -rss_limit_mb=64 \
    -malloc_limit_mb=64 -timeout=10 -artifact_prefix="$findings/" "$work" \
    "$root/fuzz/corpus/$target" >>"$log" 2>&1
  grep -E '^(INFO: fuzzed for|==[0-9]+== ?ERROR|SUMMARY|fuzz target)' "$log" | sort | uniq -c
  grep -E '^Done [0-9]+ runs' "$log" | tail -n 1 | sed 's/^/memory replay: /'
  grep -E 'peak memory' "$log"
  if [ -n "$(ls -A "$findings")" ]; then
    echo "!! $target: findings in $findings"
    status=1
  fi
done
exit $status
