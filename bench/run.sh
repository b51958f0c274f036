#!/bin/bash
# Builds the benchmarks (Release), generates the large exchange file into
# build/ and times the reader on it. Usage: bash bench/run.sh [entities]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=build/bench
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target gen_exchange reader_bench
FILE=build/bench_exchange.txt
"$BUILD/bench/gen_exchange" "$FILE" "${1:-1000000}"
# One core, as the target figures are meant.
if command -v taskset >/dev/null; then PIN=(taskset -c 0); else PIN=(); fi
"${PIN[@]}" "$BUILD/bench/reader_bench" "$FILE"
