#!/bin/bash
# Runs the bundled examples the way Jw_cad would, one for each batch file
# (horizontal, vertical, aligned), and draws the results:
# build/example/<direction>.svg and .png, and all three in example.png. With
# a display (DISPLAY set) the real dialog opens under Wine, once for each:
# press ＯＫ(Y) or Enter. Without one the headless runner presses OK.
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

# direction, batch file, scenario
examples=("horizontal HALVANE.BAT dimension.scenario"
          "vertical HALVANE_V.BAT vertical.scenario"
          "aligned HALVANE_P.BAT aligned.scenario")
pictures=()
for example in "${examples[@]}"; do
  read -r direction bat scenario <<<"$example"
  set +e
  build/native/tools/halvane-host --bat "jwcad/$bat" --work "$OUT/$direction" \
    "${run[@]}" --svg "$OUT/$direction.svg" --png "$OUT/$direction.png" \
    "examples/$scenario"
  rc=$?
  set -e
  [ $rc = 0 ] || [ $rc = 3 ] || exit $rc
  pictures+=("$OUT/$direction.png")
  echo "$direction: $OUT/$direction.png, JWC_TEMP.TXT: $OUT/$direction/prog/JWC_TEMP.TXT"
done

CONVERT=
for c in /usr/bin/convert-im6.q16 /usr/bin/convert; do
  if [ -x "$c" ]; then CONVERT=$c; break; fi
done
[ -n "$CONVERT" ] || { echo "no ImageMagick convert: three pictures only"; exit 0; }
"$CONVERT" "${pictures[@]}" -background white -gravity center -append \
  "$OUT/example.png"
echo
echo "all three:     $OUT/example.png"
