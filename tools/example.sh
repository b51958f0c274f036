#!/bin/bash
# Runs the bundled example the way Jw_cad would and draws the result:
# build/example/example.svg and example.png. With a display (DISPLAY set) the
# real dialog opens under Wine: press ＯＫ(Y) or Enter. Without one the
# headless runner presses OK.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash tools/install-deps.sh >/dev/null

JOBS=$(nproc)
OUT=$ROOT/build/example
mkdir -p "$OUT"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$JOBS" --target halvane-host halvane-run >/dev/null

run=(--headless "$ROOT/build/native/halvane-run")
if [ -n "${DISPLAY:-}" ]; then
  cmake -S . -B build/win-x86_64 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
  cmake --build build/win-x86_64 -j"$JOBS" --target Halvane >/dev/null
  export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "preparing the Wine prefix $WINEPREFIX (once)..."
    timeout 300 tools/wine-run.sh wineboot -i >/dev/null 2>&1 || true
  fi
  echo "the Halvane dialog opens: press ＯＫ(Y) (or キャンセル(N))"
  run=(--windows "$ROOT/build/win-x86_64/ui/Halvane.exe"
       --launcher "$ROOT/tools/wine-run.sh")
fi

set +e
build/native/tools/halvane-host --bat jwcad/HALVANE.BAT --work "$OUT/run" \
  "${run[@]}" --svg "$OUT/example.svg" --png "$OUT/example.png" \
  examples/dimension.scenario
rc=$?
set -e
[ $rc = 0 ] || [ $rc = 3 ] || exit $rc
echo
echo "picture:       $OUT/example.png"
echo "               $OUT/example.svg"
echo "JWC_TEMP.TXT:  $OUT/run/prog/JWC_TEMP.TXT"
