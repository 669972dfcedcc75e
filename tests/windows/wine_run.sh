#!/usr/bin/env bash
# wine_run.sh PREFIX COMMAND...: runs COMMAND (a Windows program under `wine`, or a test
# script that calls wine) with a private Wine prefix at PREFIX, on a virtual X display of
# its own, without a sound card. The prefix is made on first use:
#   - Mono and Gecko are not installed (WINEDLLOVERRIDES drops mscoree and mshtml);
#   - the X11 driver's Managed=N leaves windows to the program, so hidden and shaped
#     windows never wait on a window manager;
#   - ALSA gets a null device, so the multimedia functions open files and play them in
#     silence.
# Exits 77 (skip) when Wine or Xvfb is missing.
set -euo pipefail
prefix=$(realpath -m "$1")
shift

command -v wine >/dev/null && command -v Xvfb >/dev/null || { echo "wine or Xvfb missing: skipped"; exit 77; }

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
cat > "$prefix/asound.conf" <<'ALSA'
pcm.!default { type null }
ctl.!default { type hw card 0 }
ALSA
export ALSA_CONFIG_PATH=$prefix/asound.conf

# A display of our own.
exec {fd}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&$fd
display=""
for _ in $(seq 1 100); do
  display=$(grep -o '^[0-9]*$' /proc/$xvfb_pid/fd/1 2>/dev/null | head -n 1 || true)
  [ -n "$display" ] && break
  sleep 0.1
done
