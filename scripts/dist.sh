#!/usr/bin/env bash
# `make dist`: the archives a player downloads, in dist/, from the Windows program of
# `make windows` (its path is the argument) and a release build of the Linux program
# made here in build-dist/: QuiroEDIT-<version>-windows.zip,
# quiro-edit-<version>-linux-x86_64.tar.gz and SHA256SUMS (see scripts/dist_pack.py).
# The version is the repository's (cmake/version.cmake); both programs must report it.
#   dist.sh TINTO_EXE [JOBS]
set -euo pipefail
exe=$(realpath "${1:?usage: dist.sh TINTO_EXE [JOBS]}")
cd "$(dirname "$0")/.."
jobs=${2:-$(nproc)}

version=$(cmake -P cmake/version.cmake)
cmake -S . -B build-dist -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTO_TESTS=OFF > /dev/null
cmake --build build-dist -j "$jobs" --target tinto

said=$(build-dist/tinto --version)
if [ "$said" != "Quiro EDIT $version" ]; then
  echo "dist: the Linux program says '$said', the repository's version is $version" >&2
  exit 1
fi
# The Windows build is configured by `make windows` just before: the program's text (and
# its version resource) carry the same version.
if ! strings -a -n 5 "$exe" | grep -xF "$version" > /dev/null; then
  echo "dist: $exe does not carry the version $version (build it again with make windows)" >&2
  exit 1
fi

# The archives' files carry the time of the commit (or of the VERSION file).
epoch=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y VERSION)
# dist/ holds one release: the archives of an earlier version go.
mkdir -p dist
rm -f dist/QuiroEDIT-*-windows.zip dist/quiro-edit-*-linux-x86_64.tar.gz dist/SHA256SUMS
SOURCE_DATE_EPOCH=$epoch python3 scripts/dist_pack.py --version "$version" --out dist \
  --windows "$exe" --linux build-dist/tinto
(cd dist && sha256sum -c SHA256SUMS)
