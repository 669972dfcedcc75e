#!/usr/bin/env bash
# The version rules of cmake/version.cmake on small repositories of their own: the
# VERSION file while no release is tagged (commits counted from the first), the latest
# release tag once there is one, "-dirty" for uncommitted changes to tracked files (not
# for untracked ones), the VERSION file alone without git and in a source folder that
# lies inside some other work tree; and the four numbers of the version resource.
#   version_rules_test.sh SOURCE_DIR
set -u
SOURCE=$1
command -v git > /dev/null || { echo "SKIP: git is not installed"; exit 77; }
failures=0
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tinto-version-rules.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export GIT_AUTHOR_NAME=t GIT_AUTHOR_EMAIL=t@t GIT_COMMITTER_NAME=t GIT_COMMITTER_EMAIL=t@t
export GIT_CONFIG_NOSYSTEM=1 HOME=$WORK

# expect_version DIR VERSION NUMBERS [NOTE]
expect_version() {
  local got
  got="$(cmake -P "$1/cmake/version.cmake") $(cmake -DTINTO_VERSION_PRINT=numbers -P "$1/cmake/version.cmake")"
  if [ "$got" = "$2 $3" ]; then
    echo "PASS: $4: $got"
  else
    echo "FAIL: $4: got '$got', expected '$2 $3'"
    failures=$((failures + 1))
  fi
}
# new_source DIR RELEASE: the version script and a VERSION file, nothing else.
new_source() {
  mkdir -p "$1/cmake"
  cp "$SOURCE/cmake/version.cmake" "$SOURCE/cmake/version.cpp.in" "$1/cmake/"
  echo "$2" > "$1/VERSION"
}

new_source "$WORK/plain" 1.2.3
expect_version "$WORK/plain" 1.2.3 1,2,3,0 "no git: the VERSION file"

repo=$WORK/repo
new_source "$repo" 1.0.0
git -C "$repo" init -q
expect_version "$repo" 1.0.0 1,0,0,0 "a repository without commits"
git -C "$repo" add -A && git -C "$repo" commit -qm one
git -C "$repo" commit -q --allow-empty -m two
head=$(git -C "$repo" rev-parse --short=7 HEAD)
expect_version "$repo" "1.0.0-2-g$head" 1,0,0,2 "untagged: VERSION and the commits since the first"
touch "$repo/untracked.txt"
expect_version "$repo" "1.0.0-2-g$head" 1,0,0,2 "an untracked file leaves it clean"
echo "// changed" >> "$repo/cmake/version.cpp.in"
expect_version "$repo" "1.0.0-2-g$head-dirty" 1,0,0,2 "a changed tracked file"
git -C "$repo" commit -qam three
git -C "$repo" tag v1.1.0
expect_version "$repo" 1.1.0 1,1,0,0 "on the release tag"
git -C "$repo" tag not-a-release
git -C "$repo" commit -q --allow-empty -m four
head=$(git -C "$repo" rev-parse --short=7 HEAD)
expect_version "$repo" "1.1.0-1-g$head" 1,1,0,1 "one commit after the release tag"

# Sources unpacked inside some other work tree: git describes that one, not these.
new_source "$repo/vendor/tinto" 2.0.0
expect_version "$repo/vendor/tinto" 2.0.0 2,0,0,0 "inside another repository: the VERSION file"

echo "1.0" > "$WORK/plain/VERSION"
if cmake -P "$WORK/plain/cmake/version.cmake" > "$WORK/out" 2>&1; then
  echo "FAIL: a VERSION of '1.0' was taken: $(cat "$WORK/out")"
  failures=$((failures + 1))
else
  grep -q "VERSION must hold a release number" "$WORK/out" && echo "PASS: a bad VERSION fails, saying so" ||
    { echo "FAIL: a bad VERSION failed without saying why: $(cat "$WORK/out")"; failures=$((failures + 1)); }
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
