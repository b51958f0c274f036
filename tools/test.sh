#!/bin/bash
# Runs every test, each once what it needs is built: native, sanitizers, both
# Windows builds under Wine, the release package, the fuzz targets for a
# bounded time and the end-to-end tests of the dialog. Ends with the time of
# each stage and every test that was skipped, with its reason. A skip fails
# the run on a machine that could have run the test (root, Wine and Xvfb),
# except the i686 tests where the kernel cannot start 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc)
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
LOGS=$ROOT/build/test-logs
VERSION=$(sed -n 's/^project(Halvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
ZIP=$ROOT/build/dist/Halvane-$VERSION.zip
mkdir -p "$LOGS"

TIMES=() SKIPS=()
STAGE= STAGE_START=$SECONDS RUN_START=$SECONDS
end_stage() {
  [ -n "$STAGE" ] && TIMES+=("$(printf '%5d s  %s' $((SECONDS - STAGE_START)) "$STAGE")")
  STAGE=
}
step() {
  end_stage
  STAGE=$*
  STAGE_START=$SECONDS
  echo
  echo "=== $* ==="
}
# skipped NAME REASON [excused]: "excused" when this machine cannot run it.
skipped() {
  SKIPS+=("$1"$'\t'"$2"$'\t'"${3:-}")
  echo "SKIPPED $1: $2"
}

# The machine could run every test: as root (mounts), with Wine and Xvfb.
could_run_all() {
  [ "$(id -u)" = 0 ] && command -v wine >/dev/null && command -v Xvfb >/dev/null
}

summary() {
  local status=$? entry name reason excused blamed=0
  end_stage
  wineserver -k >/dev/null 2>&1 || true
  echo
  echo "=== time of each stage ==="
  printf '%s\n' "${TIMES[@]}"
  printf '%5d s  in all\n' $((SECONDS - RUN_START))
  echo
  if ((${#SKIPS[@]} == 0)); then
    echo "=== skipped tests: none ==="
  else
    echo "=== skipped tests: ${#SKIPS[@]} ==="
    for entry in "${SKIPS[@]}"; do
      IFS=$'\t' read -r name reason excused <<<"$entry"
      echo "  $name: $reason"
      if [ -z "$excused" ] && could_run_all; then blamed=$((blamed + 1)); fi
    done
  fi
  if ((blamed)); then
    echo
    echo "FAILED: $blamed test(s) skipped on a machine that can run them (root, Wine, Xvfb)"
    status=1
  fi
  echo
  if ((status == 0)); then echo "all tests passed"; else echo "the tests FAILED"; fi
  exit $status
}
trap summary EXIT

# run_ctest NAME BUILD_DIR [CTEST OPTIONS]: runs the tests and notes the
# skipped ones; with AS_OWNER=1, through as_file_owner.
run_ctest() {
  local name=$1 dir=$2 status=0 test reason
  shift 2
  rm -f "$LOGS/$name.xml"
  ${AS_OWNER:+as_file_owner} ctest --test-dir "$dir" --output-on-failure --output-junit "$LOGS/$name.xml" \
    "$@" || status=$?
  if [ -f "$LOGS/$name.xml" ]; then
    while IFS=$'\t' read -r test reason; do
      skipped "$test ($name)" "$reason"
    done < <(python3 tools/skipped_tests.py "$LOGS/$name.xml")
  fi
  return $status
}

# as_file_owner COMMAND...: as root, without the right to pass over file
# permissions, so that the tests of unreadable files run; else unchanged.
as_file_owner() {
  if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    local caps=-dac_override,-dac_read_search
    setpriv --inh-caps=$caps --bounding-set=$caps "$@"
  else
    "$@"
  fi
}

step "set-up: tools/install-deps.sh"
deps=0
bash tools/install-deps.sh || deps=$?
((deps == 0 || deps == 3)) || exit $deps # 3: all but Wine's 32-bit loader
WINE32=0
WINE32_WHY=$(tools/wine32-check.sh) || WINE32=$?

step "native build"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHALVANE_RELEASE_ZIP="$ZIP" >/dev/null
cmake --build build/native -j"$JOBS"
step "native tests"
AS_OWNER=1 run_ctest native build/native -LE needs_windows_programs

step "ASan + UBSan build"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON \
  -DHALVANE_BENCH=OFF -DHALVANE_RELEASE_ZIP="$ZIP" >/dev/null
cmake --build build/asan -j"$JOBS"
step "ASan + UBSan tests"
AS_OWNER=1 run_ctest asan build/asan -LE needs_windows_programs

step "Wine prefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 300 tools/wine-run.sh wineboot -i >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
fi
# One wineserver for the Windows tests, started and answering before any.
wineserver -p >/dev/null 2>&1 || true
for try in 1 2 3 4 5; do
  timeout 120 tools/wine-run.sh cmd /c exit >/dev/null 2>&1 && break
  sleep 2
done

for arch in x86_64 i686; do
  step "Windows $arch build"
  cmake -S . -B build/win-$arch -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake >/dev/null
  cmake --build build/win-$arch -j"$JOBS"
  if [ $arch = i686 ] && ((WINE32)); then
    tests=$(ctest --test-dir build/win-$arch -N | sed -n 's/^ *Test *#[0-9]*: //p')
    skipped "the i686 ctest entries ($(echo $tests | sed 's/ /, /g'))" \
      "$WINE32_WHY" "$( ((WINE32 == 2)) && echo excused)"
    continue
  fi
  step "Windows $arch tests under Wine"
  run_ctest win-$arch build/win-$arch
done

step "release package and the tests of the Windows programs"
mkdir -p "$(dirname "$ZIP")"
python3 tools/make_release_zip.py "$ROOT" "$VERSION" \
  build/win-x86_64/ui/Halvane.exe build/win-i686/ui/Halvane.exe "$ZIP"
run_ctest native-windows-programs build/native -L needs_windows_programs
wineserver -k >/dev/null 2>&1 || true

step "fuzz targets (bounded)"
bash fuzz/run.sh 60

step "end-to-end tests under Wine and Xvfb"
e2e=0
bash tests/e2e/run.sh || e2e=$?
while IFS=$'\t' read -r test reason; do
  excused=
  # The i686 program's tests, and the x86 half of the batch-file test.
  [[ $test == *i686* || $reason == *"(x86)"* ]] && ((WINE32 == 2)) && excused=excused
  skipped "$test (e2e)" "$reason" $excused
done < <(cat build/e2e/skipped.txt 2>/dev/null)
exit $e2e
