#!/usr/bin/env bash
# Installs the Debian packages the build, the program, the tests and `make dist` need;
# with `windows` those of the Windows cross build (mingw-w64, posix threads), with
# `windows-test` also those of its tests under Wine; with `bench` also what the
# measurements under bench/ need.
# Runs apt-get only when something is missing; must run as root to install.
set -euo pipefail

case "${1:-}" in
  windows | windows-test)
    packages=(
      build-essential cmake ninja-build pkg-config dpkg-dev
      libfreetype-dev libfontconfig-dev libjpeg-dev fonts-ipafont-gothic
      g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    )
    if [ "$1" = windows-test ]; then
      # Tinto.exe is a 32-bit program: Wine runs it with its 32-bit half (wine32:i386).
      packages+=(googletest wine wine64 wine32:i386 xvfb xauth xdotool x11-utils imagemagick
                 sox icoutils file libx11-dev libxext-dev openbox locales python3 unzip)
    fi
    ;;
  *)
    packages=(
      build-essential cmake ninja-build pkg-config
      libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libx11-dev libx11-xcb-dev libxext-dev libxi-dev libxdamage-dev
      libfreetype-dev libfontconfig-dev libjpeg-dev
      libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy
      fonts-ipafont-gothic timgm6mb-soundfont
      xvfb xauth xdotool x11-utils imagemagick openbox metacity weston xwayland
      sox libsox-fmt-mp3 lame
      gdk-pixbuf-tests
      python3 binutils
    )
    if [ "${1:-}" = bench ]; then
      packages+=(valgrind)
    fi
    # `install-deps.sh fuzz`: also clang and its libFuzzer runtime, for `make fuzz`.
    if [ "${1:-}" = fuzz ]; then
      packages+=(clang libclang-rt-14-dev)
    fi
    ;;
esac

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
# Packages of another architecture (wine32:i386) need that architecture enabled first.
for p in "${missing[@]}"; do
  case "$p" in
    *:i386)
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
      fi
      ;;
  esac
done
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
