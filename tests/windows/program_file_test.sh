#!/usr/bin/env bash
# The Windows program as a file: a 32-bit (PE32) GUI program, like the game it sits
# beside; its manifest declares per-monitor DPI awareness and the supported Windows
# versions and names no requestedExecutionLevel (so that, like the game, it sees the
# VirtualStore copies of the game's files under Program Files); it has an icon group and
# version information with the product's name.
#   program_file_test.sh TINTO_EXE
set -u
EXE=$1
for tool in file wrestool; do
  command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "PASS: $*"; }

kind=$(file -b "$EXE")
case $kind in
  "PE32 executable (GUI) Intel 80386"*) pass "a 32-bit GUI program ($kind)" ;;
  *) fail "not a 32-bit GUI program: $kind" ;;
esac

listing=$(wrestool -l "$EXE")
grep -q -- '--type=14 ' <<< "$listing" && pass "an icon group" || fail "no icon group in: $listing"
grep -q -- '--type=16 ' <<< "$listing" && pass "version information" || fail "no version information in: $listing"

manifest=$(wrestool -x --raw --type=24 "$EXE")
[ -n "$manifest" ] || fail "no manifest"
grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<< "$manifest" && pass "per-monitor DPI awareness" ||
  fail "no per-monitor DPI awareness in the manifest"
grep -q 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' <<< "$manifest" &&
  pass "Windows 10 and 11 named as supported" || fail "the manifest names no Windows 10"
if grep -q 'requestedExecutionLevel' <<< "$manifest"; then
  fail "the manifest names an execution level: the game's VirtualStore would be out of sight"
else
  pass "no requestedExecutionLevel"
fi

# The version resource holds the product's name in UTF-16.
version=$(wrestool -x --raw --type=16 "$EXE" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -d '\0')
grep -q 'Quiro EDIT' <<< "$version" && pass "version information names the product" ||
  fail "the version information does not name the product"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
