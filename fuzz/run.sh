#!/bin/bash
# Builds the fuzz targets with clang and runs each for a share of the given
# number of seconds (default 60 in all), then prints per target the
# executions and executions per second. Longer runs: bash fuzz/run.sh 3600
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

# Longest input per target. The number formats check each value of an input
# on its own, so longer inputs would only check more values per execution.
max_len() {
  case $1 in
    format_general) echo 128 ;;
    run) echo 4096 ;; # both files, three directions, twice each
    *) echo 65536 ;;
  esac
}

final_stat() { sed -n "s/^stat::$1: *//p" "$2"; }

mkdir -p build/fuzz/logs
summary=()
for t in "${targets[@]}"; do
  name=$(basename "$t"); name=${name#fuzz_}
  seeds=fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  log=build/fuzz/logs/$name.log
  mkdir -p "$work"
  echo "fuzz_$name: ${each}s"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  if ! "$t" -max_total_time="$each" -max_len="$(max_len "$name")" \
    -rss_limit_mb=2048 -print_final_stats=1 "${args[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name FAILED (log: $log)"
    exit 1
  fi
  summary+=("$(printf '%-24s %12s executions %8s per second' "fuzz_$name" \
    "$(final_stat number_of_executed_units "$log")" \
    "$(final_stat average_exec_per_sec "$log")")")
done
echo
printf '%s\n' "${summary[@]}"
