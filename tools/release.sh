#!/bin/bash
# Builds dist/Halvane-<version>.zip: Halvane.exe for x86-64 and i686, each in
# its own folder with the batch file, and the Japanese usage text.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash tools/install-deps.sh

VERSION=$(sed -n 's/^project(Halvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$VERSION" ] || { echo "no project VERSION in CMakeLists.txt" >&2; exit 1; }
NAME=Halvane-$VERSION
STAGE=$ROOT/build/release/$NAME
rm -rf "$STAGE" && mkdir -p "$STAGE" dist

for arch in x86_64:x64 i686:x86; do
  toolchain=${arch%%:*} folder=${arch##*:}
  build=$ROOT/build/release/build-$toolchain
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF \
    -DHALVANE_BENCH=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$toolchain.cmake \
    >/dev/null
  cmake --build "$build" -j"$(nproc)" --target Halvane
  mkdir -p "$STAGE/$folder"
  cp "$build/ui/Halvane.exe" "$STAGE/$folder/Halvane.exe"
  cp jwcad/HALVANE.BAT "$STAGE/$folder/HALVANE.BAT"
  $toolchain-w64-mingw32-strip "$STAGE/$folder/Halvane.exe"
done
cp "jwcad/使い方.txt" "$STAGE/使い方.txt"

ZIP=$ROOT/dist/$NAME.zip
rm -f "$ZIP"
# Python's zipfile marks non-ASCII names as UTF-8 (general purpose bit 11),
# which Windows needs to show 使い方.txt; Info-ZIP does not set that bit.
python3 - "$STAGE" "$ZIP" <<'PY'
import os, sys, zipfile
stage, target = sys.argv[1], sys.argv[2]
root = os.path.dirname(stage)
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, dirs, files in sorted(os.walk(stage)):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(folder, name)
            info = zipfile.ZipInfo(os.path.relpath(path, root), (2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(path, "rb") as f:
                z.writestr(info, f.read())
PY
python3 tests/host/check_release_zip.py "$ZIP" "$ROOT" >/dev/null
echo "$ZIP"
