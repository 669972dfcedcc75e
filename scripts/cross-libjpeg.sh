#!/usr/bin/env bash
# cross-libjpeg.sh CACHE PREFIX: cross-builds libjpeg-turbo for 32-bit Windows as a static
# library installed under PREFIX. Its source is Debian's own source package, fetched with
# a private apt source list and package lists kept in CACHE (the system's apt lists are
# left as they are). Does nothing when PREFIX already holds the library.
set -euo pipefail
cache=$(realpath -m "$1")
prefix=$(realpath -m "$2")
here=$(cd "$(dirname "$0")/.." && pwd)

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  exit 0
fi

mkdir -p "$cache/etc/sources.list.d" "$cache/etc/preferences.d" "$cache/lists/partial" \
         "$cache/archives/partial" "$cache/src"
cat > "$cache/etc/sources.list" <<LIST
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
LIST
apt_private=(
  -o "Dir::Etc::SourceList=$cache/etc/sources.list"
  -o "Dir::Etc::SourceParts=$cache/etc/sources.list.d"
  -o "Dir::Etc::PreferencesParts=$cache/etc/preferences.d"
  -o "Dir::State::Lists=$cache/lists"
  -o "Dir::Cache::Archives=$cache/archives"
  -o "Dir::Cache::pkgcache=$cache/pkgcache.bin"
  -o "Dir::Cache::srcpkgcache=$cache/srcpkgcache.bin"
  -o "APT::Sandbox::User=root"
)

src=$(find "$cache/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$src" ]; then
  apt-get "${apt_private[@]}" -qq update
  (cd "$cache/src" && apt-get "${apt_private[@]}" -qq source libjpeg-turbo)
  src=$(find "$cache/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi
[ -n "$src" ] || { echo "cross-libjpeg: no libjpeg-turbo source in $cache/src" >&2; exit 1; }

# Without nasm the library builds without its SIMD code (plain C, same pictures).
simd=OFF
command -v nasm >/dev/null && simd=ON
cmake -S "$src" -B "$cache/build-i686" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=$simd \
  -DCMAKE_POSITION_INDEPENDENT_CODE=OFF > "$cache/configure.log"
cmake --build "$cache/build-i686" --target jpeg-static
# Only the static library and its headers are wanted (the package's tools are not built).
mkdir -p "$prefix/lib" "$prefix/include"
cp "$cache/build-i686/libjpeg.a" "$prefix/lib/"
cp "$cache/build-i686/jconfig.h" "$src/jerror.h" "$src/jmorecfg.h" "$src/jpeglib.h" "$prefix/include/"
