#!/bin/bash
# Builds dist/Halvane-<version>.zip: Halvane.exe for x86-64 and i686, each in
# its own folder with the batch file, the Japanese usage text and the licence.
# The entries carry the date of the commit built, so a rebuild of the same
# commit gives the same zip.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash tools/install-deps.sh || [ $? = 3 ] # 3: only the Wine for testing i686 is missing

VERSION=$(sed -n 's/^project(Halvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$VERSION" ] || { echo "no project VERSION in CMakeLists.txt" >&2; exit 1; }
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "warning: uncommitted changes; the zip is dated and named by HEAD" >&2
fi

for toolchain in x86_64 i686; do
  build=$ROOT/build/release/build-$toolchain
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF \
    -DHALVANE_BENCH=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$toolchain.cmake \
    >/dev/null
  cmake --build "$build" -j"$(nproc)" --target Halvane
done

mkdir -p dist
ZIP=$ROOT/dist/Halvane-$VERSION.zip
python3 tools/make_release_zip.py "$ROOT" "$VERSION" \
  build/release/build-x86_64/ui/Halvane.exe \
  build/release/build-i686/ui/Halvane.exe "$ZIP"
python3 tests/host/check_release_zip.py "$ZIP" "$ROOT" >/dev/null
echo "$ZIP"
