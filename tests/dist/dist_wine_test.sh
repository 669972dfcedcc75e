#!/usr/bin/env bash
# The Windows download as a player gets it: the zip scripts/dist_pack.py makes of this
# build's Tinto.exe is named by the version the program prints (`Tinto.exe --version`,
# which also names it in the file's version information) and passes `sha256sum -c`; it
# holds one folder with Tinto.exe, the Japanese readme (Shift-JIS, CR LF), the English
# readme (UTF-8 with a byte-order mark, CR LF) and the licence, the Japanese name marked
# as UTF-8; unpacked into a fresh folder, Tinto.exe copied into a copy of the demo game's
# folder starts there under Wine and shows its main window, and `--version` still answers
# while it runs.
#   dist_wine_test.sh PREFIX TINTO_EXE DEMO_GAME
set -u
WINE_PREFIX_DIR=$1 TINTO=$2 DEMO=$3
. "$(dirname "$0")/../windows/wine_session.sh"
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
for tool in python3 unzip wrestool; do
  command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
start_xvfb
start_wine

# wine_version EXE: what `EXE --version` prints, without the CR.
wine_version() { (cd "$(dirname "$1")" && timeout 60 wine "./$(basename "$1")" --version) | tr -d '\r'; }
line=$(wine_version "$TINTO")
version=${line#Quiro EDIT }
[ "$line" != "$version" ] && [ -n "$version" ] || { echo "FAIL: Tinto.exe --version printed '$line'"; exit 1; }
echo "PASS: Tinto.exe --version prints '$line'"
# The string table in UTF-16: each key, then its value after some padding.
file_version=$(wrestool -x --raw --type=16 "$TINTO" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr '\0' '\n' |
  awk 'found && $0 != "" { print; exit } /FileVersion$/ { found = 1 }')
expect "the file's version information holds the same version" "$file_version" "$version"

python3 "$SOURCE/scripts/dist_pack.py" --version "$version" --out "$WORK/dist" --windows "$TINTO" \
  > "$WORK/pack.log" 2>&1 || { echo "FAIL: packing"; cat "$WORK/pack.log"; exit 1; }
folder=QuiroEDIT-$version
zip=$folder-windows.zip
expect "SHA256SUMS names the zip" "$(awk '{print $2}' "$WORK/dist/SHA256SUMS")" "$zip"
check "sha256sum -c passes" bash -c "cd '$WORK/dist' && sha256sum -c --strict SHA256SUMS"
# Each name with "utf8" when the zip marks it as UTF-8 (general purpose flag bit 11).
expect "the zip's files" "$(python3 -c '
import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(i.filename, "utf8" if i.flag_bits & 0x800 else "")' "$WORK/dist/$zip")" \
  "$folder/ 
$folder/Tinto.exe 
$folder/はじめにお読みください.txt utf8
$folder/README-en.txt 
$folder/LICENSE "

mkdir -p "$WORK/unpacked"
(cd "$WORK/unpacked" && unzip -q "$WORK/dist/$zip") || { echo "FAIL: unzip"; exit 1; }
unpacked=$WORK/unpacked/$folder
check "Tinto.exe unpacked is the program" cmp "$unpacked/Tinto.exe" "$TINTO"
ja=$unpacked/はじめにお読みください.txt
en=$unpacked/README-en.txt
check "the Japanese readme decodes as Shift-JIS" iconv -f SHIFT_JIS -t UTF-8 -o "$WORK/ja.txt" "$ja"
check "the English readme is UTF-8 with a byte-order mark" \
  bash -c "head -c 3 '$en' | cmp -s - <(printf '\xef\xbb\xbf') && iconv -f UTF-8 -t UTF-8 -o /dev/null '$en'"
for file in "$ja" "$en" "$unpacked/LICENSE"; do
  name=$(basename "$file")
  # Every line ends with CR LF: no LF without its CR, no CR without its LF.
  check "$name has CR LF line ends" python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
sys.exit(not (data.endswith(b"\r\n") and data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")))' "$file"
done
check "the Japanese readme names the version $version" grep -qF "$version" "$WORK/ja.txt"
check "the Japanese readme says how to rebuild the colours" grep -qF "「キャラクター３色」と「カラーデータ再作成ＯＮ」" "$WORK/ja.txt"
check "the English readme names the version $version" grep -qF "$version" "$en"
check "the readmes have nothing left to fill in" bash -c "! grep -E '@[A-Z_]+@|\{\{' '$WORK/ja.txt' '$en'"

# A player's copy of the game's folder, Tinto.exe copied in from the unpacked folder.
GAME="$WORK/game"
mkdir -p "$GAME"
"$DEMO" "$GAME" > /dev/null
cp "$unpacked/Tinto.exe" "$GAME/Tinto.exe"
start_wine_tinto "$GAME" main
if wait_window "Quiro EDIT" 60 > /dev/null; then
  echo "PASS: the unpacked Tinto.exe shows its main window"
else
  echo "FAIL: no main window from the unpacked Tinto.exe"
  cat "$WORK/main.err"
  failures=$((failures + 1))
fi
# The option answers before the look for a running copy: the line, and no second window.
expect "--version answers while a copy runs" "$(wine_version "$GAME/Tinto.exe")" "$line"
expect "one main window" "$(xdotool search --onlyvisible --name '^Quiro EDIT$' | wc -l)" 1
check "the first copy runs on" kill -0 "$TINTO_PID"
finish
