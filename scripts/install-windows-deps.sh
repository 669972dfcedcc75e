#!/usr/bin/env bash
# Installs the Debian packages the Windows cross build needs; with --test also what its
# tests under Wine need. Runs apt-get only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  libfreetype-dev libfontconfig-dev libjpeg-dev fonts-ipafont-gothic
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
)
if [ "${1:-}" = "--test" ]; then
  packages+=(googletest wine wine64 xvfb xauth xdotool x11-utils imagemagick libx11-dev libxext-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-windows-deps: root is needed to install these packages" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
