#!/bin/bash
# Builds the fuzz targets with clang and runs each for a share of the given
# number of seconds (default 60 in all). Longer runs: bash fuzz/run.sh 3600
set -euo pipefail
cd "$(dirname "$0")/.."
TOTAL=${1:-60}
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DHALVANE_FUZZ=ON -DHALVANE_TESTS=OFF -DHALVANE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j"$(nproc)"
targets=(build/fuzz/fuzz/fuzz_*)
[ -e "${targets[0]}" ] || { echo "no fuzz targets"; exit 0; }
each=$(( TOTAL / ${#targets[@]} )); [ "$each" -ge 5 ] || each=5
for t in "${targets[@]}"; do
  name=$(basename "$t"); name=${name#fuzz_}
  seeds=fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  echo "fuzz_$name: ${each}s"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  "$t" -max_total_time="$each" -max_len=65536 -rss_limit_mb=2048 \
    -print_final_stats=1 "${args[@]}" 2>&1 | tail -n 3
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$name FAILED"; exit 1; }
done
