#!/bin/bash
# Runs every test: native, sanitizers, both Windows builds under Wine, the
# fuzz targets for a bounded time and the end-to-end tests of the dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash tools/install-deps.sh

JOBS=$(nproc)
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}

step() { echo; echo "=== $* ==="; }

step "native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$JOBS"
ctest --test-dir build/native --output-on-failure

step "ASan + UBSan build and tests"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON \
  -DHALVANE_BENCH=OFF >/dev/null
cmake --build build/asan -j"$JOBS"
ctest --test-dir build/asan --output-on-failure

step "Wine prefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 300 tools/wine-run.sh wineboot -i >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
fi
# One wineserver for the whole run, started and answering before any test.
wineserver -p >/dev/null 2>&1 || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
for try in 1 2 3 4 5; do
  timeout 120 tools/wine-run.sh cmd /c exit >/dev/null 2>&1 && break
  sleep 2
done

for arch in x86_64 i686; do
  step "Windows $arch build and tests under Wine"
  cmake -S . -B build/win-$arch -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake >/dev/null
  cmake --build build/win-$arch -j"$JOBS"
  if [ $arch = i686 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "SKIPPED running the i686 tests: this kernel cannot start 32-bit"
    echo "programs, so Wine's 32-bit loader does not run here (built only)."
    continue
  fi
  ctest --test-dir build/win-$arch --output-on-failure
done

if [ -x fuzz/run.sh ]; then
  step "fuzz targets (bounded)"
  bash fuzz/run.sh 60
fi
if [ -x tests/e2e/run.sh ]; then
  step "end-to-end tests under Wine and Xvfb"
  bash tests/e2e/run.sh
fi
echo
echo "all tests passed"
