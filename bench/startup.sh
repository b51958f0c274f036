#!/bin/bash
# Start-up of Halvane.exe against the least program that shows a titled window
# with one button (bench/bare_window.cpp), and against a window with the
# dialog's controls made by the dialog's own code and nothing else
# (bench/same_controls.cpp), which tells the price of the standard controls
# from that of Halvane's own work. All three are stripped x86-64 Release
# builds made with the same toolchain. Under Wine in Xvfb with one warm
# wineserver, they are started in turn; each start is timed from the launch to
# its window being mapped, with the same polling for all. For Halvane, the time
# from pressing Enter on the dialog to the end of the process is timed too,
# and its output is checked against halvane-run's. Notepad stays open all the
# while, as the host program would: without it Wine would start its desktop
# process anew for every program.
#
# Wall time on a busy machine swings with the load, so each start's processor
# time (the program, wineserver, the desktop process and the X server, up to
# the window being mapped) is given too.
#
# Usage: bash bench/startup.sh [STARTS]   (STARTS of each, default 12)
# STARTUP_EXE=path measures another Halvane.exe against the same yardsticks.
# The last line: startup: <ms> ms, bare <ms> ms, ratio <x>, ok-to-exit <ms> ms,
# exe <KiB> KiB (medians; exe is the stripped size of the measured program).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/bench-startup
WORK=$OUT/work
BUILD=$ROOT/build/bench-win-x86_64
STARTS=${1:-12}
FIX=$ROOT/tests/e2e/fixtures
source "$ROOT/tests/e2e/lib.sh"

mkdir -p "$OUT"
rm -rf "$WORK"
mkdir -p "$WORK"
echo "building the programs"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DHALVANE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" >/dev/null &&
  nice -n 10 cmake --build "$BUILD" -j2 --target Halvane bare_window \
    same_controls halvane-run >"$OUT/build.log" 2>&1 || {
  tail -30 "$OUT/build.log"
  exit 1
}
STRIP=x86_64-w64-mingw32-strip
HALVANE=$WORK/Halvane.exe
BARE=$WORK/bare_window.exe
$STRIP -o "$HALVANE" "${STARTUP_EXE:-$BUILD/ui/Halvane.exe}" || exit 1
$STRIP -o "$BARE" "$BUILD/bench/bare_window.exe" || exit 1
SAME=$WORK/same_controls.exe
$STRIP -o "$SAME" "$BUILD/bench/same_controls.exe" || exit 1

start_x || exit 1
configure_prefix "$OUT/wineprefix"
xdotool mousemove 1010 750 # over the desktop, so keys reach Wine

KEEPER_PID=
stop_keeper() { [ -n "$KEEPER_PID" ] && kill "$KEEPER_PID" 2>/dev/null; cleanup; }
trap stop_keeper EXIT
(cd / && exec "$WINE_RUN" notepad) >"$OUT/notepad.log" 2>&1 &
KEEPER_PID=$!
window_shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
poll 60 window_shown Notepad || {
  echo "Notepad did not start"
  exit 1
}

REFERENCE=$WORK/reference
mkdir -p "$REFERENCE"
cp "$FIX/JWC_TEMP.TXT" "$FIX/t517.dat" "$REFERENCE/"
"$WINE_RUN" "$(winpath "$BUILD/halvane-run.exe")" "$(winpath "$REFERENCE")" \
  >"$OUT/reference.log" 2>&1

usec() { printf '%s' "${EPOCHREALTIME/./}"; }

# Processor time of processes (all their threads) in microseconds.
cpu_usec() {
  local pid ns total=0
  for pid in "$@"; do
    for ns in $(cut -d' ' -f1 /proc/"$pid"/task/*/schedstat 2>/dev/null); do
      total=$((total + ns / 1000))
    done
  done
  printf '%s' "$total"
}
# This prefix's wineserver and desktop process (other prefixes may be running).
prefix_pids() {
  local pid
  for pid in $(pgrep "$@"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null |
      grep -qx "WINEPREFIX=$WINEPREFIX" && printf '%s ' "$pid"
  done
}
SHARED_PIDS=("$XVFB_PID" $(prefix_pids -x 'wineserver(64)?') $(prefix_pids -f 'explorer.exe /desktop'))

# timed_start DIR EXE TITLE: starts EXE in DIR and waits for its window;
# sets SHOWN_MS and CPU_MS.
timed_start() {
  local dir=$1 exe=$2 title=$3 begin i shared
  shared=$(cpu_usec "${SHARED_PIDS[@]}")
  begin=$(usec)
  (cd / && exec "$WINE_RUN" "$(winpath "$dir")\\$exe") >"$dir.wine.log" 2>&1 &
  APP_PID=$!
  for ((i = 0; i < 3000; i++)); do # 30 s at most
    window_shown "$title" && break
    sleep 0.01
  done
  SHOWN_MS=$((($(usec) - begin) / 1000))
  CPU_MS=$((($(cpu_usec "$APP_PID" "${SHARED_PIDS[@]}") - shared) / 1000))
  ((i < 3000))
}

# timed_end KEY: presses KEY on the shown window and waits for the process;
# sets ENDED_MS and EXIT_CODE.
timed_end() {
  local begin
  sleep 0.5 # the window takes the focus
  begin=$(usec)
  xdotool key "$1"
  if ! wait_exit 20; then return 1; fi
  ENDED_MS=$((($(usec) - begin) / 1000))
}

# yardstick NAME EXE TITLE: one start of a yardstick program, ended with Space;
# sets SHOWN_MS and CPU_MS.
yardstick() {
  local dir=$WORK/$1-$run
  mkdir -p "$dir"
  cp "$2" "$dir/"
  timed_start "$dir" "$(basename "$2")" "$3" || {
    echo "$(basename "$2") did not show its window"
    return 1
  }
  timed_end space || {
    echo "$(basename "$2") did not end"
    return 1
  }
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%d", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1] + 1) / 2 }'; }

# One start of each first, unmeasured: the prefix's own programs and the
# page cache are warm for all three.
HALVANE_TIMES=()
BARE_TIMES=()
OK_TIMES=()
SAME_TIMES=()
SAME_CPU=()
HALVANE_CPU=()
BARE_CPU=()
for ((run = 0; run <= STARTS; run++)); do
  dir=$WORK/halvane-$run
  mkdir -p "$dir"
  cp "$HALVANE" "$FIX/JWC_TEMP.TXT" "$FIX/t517.dat" "$dir/"
  timed_start "$dir" Halvane.exe '^Halvane$' || {
    echo "Halvane's dialog did not appear"
    exit 1
  }
  shown=$SHOWN_MS
  shown_cpu=$CPU_MS
  timed_end Return && [ "$EXIT_CODE" = 0 ] &&
    cmp -s "$dir/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT" || {
    echo "Halvane did not end with halvane-run's output (exit $EXIT_CODE)"
    exit 1
  }
  ok=$ENDED_MS

  yardstick bare "$BARE" '^Bare window$' || exit 1
  bare=$SHOWN_MS
  bare_cpu=$CPU_MS
  yardstick same "$SAME" '^Same controls$' || exit 1
  same=$SHOWN_MS
  same_cpu=$CPU_MS
  if ((run == 0)); then continue; fi
  echo "start $run: Halvane $shown ms (cpu $shown_cpu ms), bare $bare ms (cpu $bare_cpu ms), same controls $same ms (cpu $same_cpu ms), ok-to-exit $ok ms"
  SAME_TIMES+=("$same")
  SAME_CPU+=("$same_cpu")
  HALVANE_TIMES+=("$shown")
  BARE_TIMES+=("$bare")
  HALVANE_CPU+=("$shown_cpu")
  BARE_CPU+=("$bare_cpu")
  OK_TIMES+=("$ok")
done

startup=$(printf '%s\n' "${HALVANE_TIMES[@]}" | median)
bare=$(printf '%s\n' "${BARE_TIMES[@]}" | median)
ok=$(printf '%s\n' "${OK_TIMES[@]}" | median)
cpu=$(printf '%s\n' "${HALVANE_CPU[@]}" | median)
bare_cpu=$(printf '%s\n' "${BARE_CPU[@]}" | median)
same=$(printf '%s\n' "${SAME_TIMES[@]}" | median)
ratio_of() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
same_cpu=$(printf '%s\n' "${SAME_CPU[@]}" | median)
echo "processor time to the window: Halvane $cpu ms, bare $bare_cpu ms, same controls $same_cpu ms"
echo "same controls alone: $same ms, ratio to bare $(ratio_of "$same" "$bare"), Halvane to it $(ratio_of "$startup" "$same")"
kib=$((($(stat -c %s "$HALVANE") + 512) / 1024))
ratio=$(ratio_of "$startup" "$bare")
echo "startup: $startup ms, bare $bare ms, ratio $ratio, ok-to-exit $ok ms, exe $kib KiB"
