#!/usr/bin/env bash
# `tinto --version` answers on the command line before anything else: without a display
# (no window, no look for a running copy), with music files beside it, it prints
# "Quiro EDIT <version>" on standard output, nothing on standard error, and ends with
# status 0. A music file whose name merely starts with the option is no request.
#   version_test.sh TINTO
set -u
TINTO=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tinto-version.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

version_pattern='^Quiro EDIT [0-9]+\.[0-9]+\.[0-9]+(-[0-9]+-g[0-9a-f]{7,})?(-dirty)?$'
for args in "--version" "song.mid --version" "--version song.mid Z01.mid"; do
  # shellcheck disable=SC2086
  (cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$TINTO" $args) \
    > "$WORK/out" 2> "$WORK/err"
  status=$?
  out=$(cat "$WORK/out")
  [ "$status" -eq 0 ] || fail "tinto $args: status $status"
  [ "$(wc -l < "$WORK/out")" -eq 1 ] && grep -Eqx "$version_pattern" <<< "$out" ||
    fail "tinto $args printed '$out'"
  [ ! -s "$WORK/err" ] || fail "tinto $args wrote to standard error: $(cat "$WORK/err")"
done

# Not the option: the program goes on to its start, which here fails for want of an X
# display.
(cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  timeout 20 "$TINTO" --version.mid) \
  > "$WORK/out" 2> "$WORK/err"
status=$?
[ "$status" -ne 0 ] && [ ! -s "$WORK/out" ] ||
  fail "tinto --version.mid took the file name for the option (status $status, '$(cat "$WORK/out")')"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
