#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Runs apt-get only when something is missing; must run as root to install.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libx11-dev libxext-dev
  libfreetype-dev libfontconfig-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic timgm6mb-soundfont
  xvfb xauth xdotool x11-utils imagemagick
  sox libsox-fmt-mp3 lame
  gdk-pixbuf-tests
)
# `install-deps.sh fuzz`: also clang and its libFuzzer runtime, for `make fuzz`.
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: root is needed to install these packages (run as root or with sudo)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
