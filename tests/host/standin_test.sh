#!/bin/bash
# Runs the bundled example through the host stand-in.
#   standin_test.sh headless HOST RUNNER   halvane-run, OK and Cancel
#   standin_test.sh dialog HOST EXE        the real dialog under Wine and Xvfb,
#                                           OK pressed with Enter; the picture
#                                           must equal the headless one
# Exit 77 means skipped (nothing to run the dialog with).
set -uo pipefail
MODE=$1 HOST=$2 PROGRAM=$3
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d /tmp/halvane-standin.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
BAT=$ROOT/jwcad/HALVANE.BAT
EXAMPLE=$ROOT/examples/dimension.scenario
GOLDEN=$ROOT/tests/host/golden
failures=0
check() {  # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
host() {  # work folder, then options; leaves the exit code in $rc
  local dir=$1; shift
  "$HOST" --bat "${BAT_OVERRIDE:-$BAT}" --work "$dir" "$@" >"$dir.out" 2>&1
  rc=$?
}

headless() {
  host "$WORK/ok" --headless "$PROGRAM" --svg "$WORK/ok.svg" "$EXAMPLE"
  check "OK draws the example (exit 0)" test $rc = 0
  check "JWC_TEMP.TXT read back as expected" \
    cmp "$WORK/ok/prog/JWC_TEMP.TXT" "$GOLDEN/example_JWC_TEMP.TXT"
  check "settings placed beside the program" \
    cmp "$WORK/ok/prog/t517.dat" "$ROOT/examples/t517.dat"
  check "picture names the picked points" \
    grep -q '4 寸法値の位置' "$WORK/ok.svg"
  check "picture shows the value" grep -q '>4</text>' "$WORK/ok.svg"

  host "$WORK/cancel" --headless "$PROGRAM" --cancel --svg "$WORK/c.svg" \
    "$EXAMPLE"
  check "Cancel is reported as not executed (exit 3)" test $rc = 3
  check "... with 未実行" grep -q '未実行' "$WORK/cancel.out"
  check "... also on the picture" grep -q '>未実行<' "$WORK/c.svg"
  check "... and nothing drawn" \
    bash -c "! grep -q '<polyline' '$WORK/c.svg'"

  # Without #cd the host writes JWC_TEMP.TXT into its own folder, where the
  # program never looks.
  mkdir -p "$WORK/nocd"
  grep -av '^REM #cd' "$BAT" >"$WORK/nocd/HALVANE.BAT"
  BAT_OVERRIDE=$WORK/nocd/HALVANE.BAT host "$WORK/nocd/w" \
    --headless "$PROGRAM" "$EXAMPLE"
  check "a batch file without #cd gives 未実行" test $rc = 3
  check "... with a warning about #cd" grep -q 'no #cd' "$WORK/nocd/w.out"

  # A first run without settings: OK is refused until a text type is chosen.
  sed '/^settings/d' "$EXAMPLE" >"$WORK/nosettings.scenario"
  host "$WORK/nosettings" --headless "$PROGRAM" "$WORK/nosettings.scenario"
  check "no settings: OK refused, 未実行" test $rc = 3

  local jp="$WORK/外部変形 フォルダ"
  host "$jp" --headless "$PROGRAM" --svg "$jp.svg" "$EXAMPLE"
  check "a Japanese folder name with a space works" test $rc = 0
  check "... with the same picture" cmp "$jp.svg" "$WORK/ok.svg"

  host "$WORK/bad" --headless "$PROGRAM" "$ROOT/jwcad/HALVANE.BAT"
  check "a file that is no scenario is refused (exit 1)" test $rc = 1
}

dialog() {
  if [ ! -f "$PROGRAM" ] || ! command -v Xvfb >/dev/null ||
     ! command -v xdotool >/dev/null; then
    echo "SKIPPED: needs Halvane.exe, Xvfb and xdotool"; exit 77
  fi
  export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/halvane-wine-host}
  mkdir -p "$(dirname "$WINEPREFIX")"
  local display=:$((90 + RANDOM % 400))
  Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=$display
  trap 'kill $XVFB_PID 2>/dev/null; WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null; rm -rf "$WORK"' EXIT
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 300 "$ROOT/tools/wine-run.sh" wineboot -i >/dev/null 2>&1
  fi
  "$HOST" --bat "$BAT" --work "$WORK/dlg" --windows "$PROGRAM" \
    --launcher "$ROOT/tools/wine-run.sh" --svg "$WORK/dlg.svg" \
    "$EXAMPLE" >"$WORK/dlg.out" 2>&1 &
  local host_pid=$!
  local window=""
  for _ in $(seq 120); do
    window=$(xdotool search --name '^Halvane$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.5
  done
  check "the dialog opens" test -n "$window"
  [ -n "$window" ] && sleep 1 && xdotool key --window "$window" Return
  for _ in $(seq 60); do kill -0 $host_pid 2>/dev/null || break; sleep 0.5; done
  kill $host_pid 2>/dev/null
  wait $host_pid
  rc=$?
  cat "$WORK/dlg.out"
  check "Enter in the dialog draws the example (exit 0)" test $rc = 0
  check "the same JWC_TEMP.TXT as the headless run" \
    cmp "$WORK/dlg/prog/JWC_TEMP.TXT" "$GOLDEN/example_JWC_TEMP.TXT"
  if [ -n "${HEADLESS_RUNNER:-}" ]; then
    host "$WORK/ok" --headless "$HEADLESS_RUNNER" --svg "$WORK/ok.svg" "$EXAMPLE"
    check "the same picture as the headless run" cmp "$WORK/dlg.svg" "$WORK/ok.svg"
  fi
}

"$MODE"
echo "$failures failed"
[ $failures = 0 ]
