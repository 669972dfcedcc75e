#!/usr/bin/env bash
# The Linux download as a player gets it: the archive scripts/dist_pack.py makes of this
# build's program is named by the program's version and passes `sha256sum -c`; it holds
# one folder with the program, the readmes (UTF-8, the version written in, the Debian
# packages to install named) and the licence; unpacked into a fresh folder, the program
# copied into a copy of the demo game's folder starts there on a virtual display and
# shows its main window.
#   dist_linux_test.sh TINTO DEMO_GAME
set -u
TINTO=$1 DEMO=$2
. "$(dirname "$0")/../e2e/x_session.sh"
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)

version=$("$TINTO" --version | sed -n 's/^Quiro EDIT //p')
[ -n "$version" ] || { echo "FAIL: tinto --version printed no version"; exit 1; }
python3 "$SOURCE/scripts/dist_pack.py" --version "$version" --out "$WORK/dist" --linux "$TINTO" \
  > "$WORK/pack.log" 2>&1 || { echo "FAIL: packing"; cat "$WORK/pack.log"; exit 1; }
folder=quiro-edit-$version-linux-x86_64
archive=$folder.tar.gz
expect "SHA256SUMS names the archive" "$(awk '{print $2}' "$WORK/dist/SHA256SUMS")" "$archive"
check "sha256sum -c passes" bash -c "cd '$WORK/dist' && sha256sum -c --strict SHA256SUMS"

expect "the archive's files" "$(tar tzvf "$WORK/dist/$archive" | awk '{print $1, $6}')" \
  "drwxr-xr-x $folder/
-rwxr-xr-x $folder/tinto
-rw-r--r-- $folder/はじめにお読みください.txt
-rw-r--r-- $folder/README-en.txt
-rw-r--r-- $folder/LICENSE"

mkdir -p "$WORK/unpacked"
tar xzf "$WORK/dist/$archive" -C "$WORK/unpacked" || { echo "FAIL: unpacking"; exit 1; }
unpacked=$WORK/unpacked/$folder
for readme in はじめにお読みください.txt README-en.txt; do
  file=$unpacked/$readme
  check "$readme is UTF-8" iconv -f UTF-8 -t UTF-8 -o /dev/null "$file"
  check "$readme has Unix line ends" bash -c "! grep -q $'\r' '$file'"
  check "$readme names the version $version" grep -qF "$version" "$file"
  check "$readme has nothing left to fill in" bash -c "! grep -E '@[A-Z_]+@|\{\{' '$file'"
  # The packages to install: each one Debian knows, the program's libraries among them.
  packages=$(sed -n 's/^ *sudo apt install //p' "$file")
  for package in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libfontconfig1 fonts-ipafont-gothic; do
    check "$readme names $package" grep -qw -- "$package" <<< "$packages"
  done
  check "$readme names packages Debian has" bash -c "dpkg-query -W -- ${packages:-none} > /dev/null"
done

# A player's copy of the game's folder, the program copied in from the unpacked folder.
GAME="$WORK/ゲーム"
mkdir -p "$GAME"
"$DEMO" "$GAME" > /dev/null
cp "$unpacked/tinto" "$GAME/tinto"
expect "the unpacked program says its version" "$("$GAME/tinto" --version)" "Quiro EDIT $version"
export SDL_AUDIODRIVER=dummy
start_xvfb
start_tinto main
if wait_window "Quiro EDIT" 60 > /dev/null; then
  echo "PASS: the unpacked program shows its main window"
else
  echo "FAIL: no main window from the unpacked program"
  cat "$WORK/main.err"
  failures=$((failures + 1))
fi
check "no error report from the program" clean_stderr main
finish
