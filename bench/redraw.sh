#!/bin/bash
# The preview's redraw under Wine in Xvfb: Halvane-redraw.exe (Halvane.exe
# with a stopwatch, bench/preview_redraw_bench.cpp) opens the dialog on the
# end-to-end fixture with settings that make the largest drawing (glyph
# markers, the longest prefix and suffix, full-width digits with separators),
# changes the start marker 200 times through the dialog's own change handler,
# each change read, planned and painted at once, and repaints the status
# label between the changes as the yardstick. Repeated RUNS times with one
# warm wineserver.
#
# Usage: bash bench/redraw.sh [RUNS]   (default 5)
# The last line: redraw: <ms> ms median, status label <ms> ms, ratio <x>
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/bench-redraw
WORK=$OUT/work
BUILD=$ROOT/build/bench-win-x86_64
RUNS=${1:-5}
FIX=$ROOT/tests/e2e/fixtures
source "$ROOT/tests/e2e/lib.sh"

mkdir -p "$OUT"
rm -rf "$WORK"
mkdir -p "$WORK"
echo "building the program"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" >/dev/null &&
  nice -n 10 cmake --build "$BUILD" -j2 --target Halvane-redraw \
    >"$OUT/build.log" 2>&1 || {
  tail -30 "$OUT/build.log"
  exit 1
}
start_x || exit 1
configure_prefix "$OUT/wineprefix"
trap cleanup EXIT

# The largest drawing: ● at both ends, 32-byte prefix and suffix in
# full-width characters, full-width digits with separators and unit.
SETTINGS=$WORK/t517.dat
sjis() { iconv -f UTF-8 -t CP932; }
{
  sed -n '1,2p' "$FIX/t517.dat"
  printf '7\r\n7\r\n'
  sed -n '5,8p' "$FIX/t517.dat"
  printf '%s\r\n' 寸法寸法寸法寸法寸法寸法寸法寸法 | sjis
  printf '%s\r\n' 寸法寸法寸法寸法寸法寸法寸法寸法 | sjis
  sed -n '11,18p' "$FIX/t517.dat"
  printf '1\r\n1\r\n1\r\n0\r\n'
  sed -n '23,$p' "$FIX/t517.dat"
} >"$SETTINGS"

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.3f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
REDRAWS=() YARDSTICKS=()
for ((run = 1; run <= RUNS; run++)); do
  dir=$WORK/run-$run
  mkdir -p "$dir"
  cp "$BUILD/ui/Halvane-redraw.exe" "$FIX/JWC_TEMP.TXT" "$SETTINGS" "$dir/"
  (cd / && exec "$WINE_RUN" "$(winpath "$dir")\\Halvane-redraw.exe") \
    >"$dir.log" 2>&1
  [ -s "$dir/redraw.txt" ] || { echo "run $run wrote no figures"; exit 1; }
  echo "run $run: $(cat "$dir/redraw.txt")"
  REDRAWS+=("$(awk '{print $2}' "$dir/redraw.txt")")
  YARDSTICKS+=("$(awk '{print $6}' "$dir/redraw.txt")")
done
redraw=$(printf '%s\n' "${REDRAWS[@]}" | median)
label=$(printf '%s\n' "${YARDSTICKS[@]}" | median)
echo "redraw: $redraw ms median, status label $label ms, ratio $(awk -v a="$redraw" -v b="$label" 'BEGIN { printf "%.1f", a / b }')"
