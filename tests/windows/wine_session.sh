# Shared by the tests under Wine: the virtual X display of the end-to-end tests plus a
# private Wine prefix. Sourced, not run; WINE_PREFIX_DIR names the prefix folder (kept in
# the build folder between runs). The prefix is made on first use:
#   - Mono and Gecko are not installed (WINEDLLOVERRIDES drops mscoree and mshtml);
#   - the X11 driver's Managed=N leaves the windows to the program, so hidden and shaped
#     windows never wait on a window manager;
#   - ALSA gets a null device, so the multimedia functions open and play files in silence
#     on a machine without a sound card.
if ! command -v wine >/dev/null 2>&1; then
  echo "SKIP: wine is not installed"
  exit 77
fi
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/x_session.sh"

export WINEPREFIX=$(realpath -m "$WINE_PREFIX_DIR")
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export ALSA_CONFIG_PATH=$WINEPREFIX.asound.conf
mkdir -p "$(dirname "$WINEPREFIX")"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$ALSA_CONFIG_PATH"

# Makes the prefix (once) and waits for its server; needs the display.
start_wine() {
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tinto-ready" ]; then
      rm -rf "$WINEPREFIX"
      wine wineboot --init > "$WORK/wineboot.log" 2>&1 || { echo "FAIL: wineboot"; cat "$WORK/wineboot.log"; exit 1; }
      # The X11 driver leaves the windows alone; the skin's Japanese faces, which every
      # Japanese Windows has, are served by the IPA Gothic fonts of this machine.
      printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' |
        iconv -f UTF-8 -t UTF-16 > "$WORK/settings.reg"
      wine regedit /S "$WORK/settings.reg" > /dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.tinto-ready"
    fi
  ) 9> "$WINEPREFIX.lock" || exit 1
  wineserver -p 30 2>/dev/null || true  # keep the server up between the commands of a test
}

# start_wine_tinto GAME LOG: runs GAME/Tinto.exe from its folder, its output in WORK/LOG.out
# and WORK/LOG.err; its pid in TINTO_PID.
start_wine_tinto() {
  (cd "$1" && exec wine ./Tinto.exe) > "$WORK/$2.out" 2> "$WORK/$2.err" &
  TINTO_PID=$!
  STARTED_PIDS+=("$TINTO_PID")
}

# Ends the prefix's server and waits until it is gone, so that no Wine process outlives
# the test; also run on every way out of the test.
stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
wine_cleanup() {
  stop_wine
  cleanup
}
trap wine_cleanup EXIT
