#!/usr/bin/env bash
# Builds both Windows programs and writes dist/Mirevo-<version>-win64.zip and -win32.zip: the
# stripped program, the Japanese user guide, the licence and their checksums. The same sources
# give the same zip bytes: fixed timestamps, order and modes. Each zip gets a .sha256 beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
version=$(sed -n 's/^project(Mirevo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
mkdir -p dist
for arch in win64 win32; do
  cmake --preset "$arch" >/dev/null
  cmake --build --preset "$arch" --target Mirevo -- -j"$(nproc)" >/dev/null
  case "$arch" in
    win64) strip=x86_64-w64-mingw32-strip ;;
    win32) strip=i686-w64-mingw32-strip ;;
  esac
  python3 scripts/package.py --version "$version" --strip "$strip" \
    --program "build/$arch/bin/Mirevo.exe" --cache "build/$arch/CMakeCache.txt" \
    --out "dist/Mirevo-$version-$arch.zip"
done
ls -l dist
