#!/bin/bash
# Runs the bundled examples through the host stand-in, one for each batch
# file (horizontal, vertical, aligned).
#   standin_test.sh headless HOST RUNNER   halvane-run, OK and Cancel; each
#                                           batch file's switch reaches it
#   standin_test.sh dialog HOST EXE        the real dialog under Wine and Xvfb,
#                                           started by each batch file, OK
#                                           pressed with Enter; the picture
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
# batch file, the switch halvane-run gets for it, scenario, golden file
DIRECTIONS=("HALVANE.BAT - dimension.scenario example_JWC_TEMP.TXT"
            "HALVANE_V.BAT --vertical vertical.scenario example_vertical_JWC_TEMP.TXT"
            "HALVANE_P.BAT --aligned aligned.scenario example_aligned_JWC_TEMP.TXT")
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

  local direction bat switch scenario golden
  for direction in "${DIRECTIONS[@]}"; do
    read -r bat switch scenario golden <<<"$direction"
    switched "$bat" "$switch" "$ROOT/examples/$scenario" "$GOLDEN/$golden"
  done

  # A switch the program does not know: halvane-run refuses it (exit 2) and
  # leaves JWC_TEMP.TXT alone, which the host reports as 未実行.
  mkdir -p "$WORK/odd"
  sed 's#Halvane.exe"#Halvane.exe" /sideways#' "$BAT" >"$WORK/odd/HALVANE.BAT"
  BAT_OVERRIDE=$WORK/odd/HALVANE.BAT host "$WORK/odd/w" \
    --headless "$PROGRAM" "$EXAMPLE"
  check "/sideways reaches halvane-run as --sideways" \
    grep -q -- "--sideways $WORK/odd/w/prog\$" "$WORK/odd/w.out"
  check "... which refuses it: 未実行 (exit 3)" test $rc = 3
  check "... with halvane-run's exit code 2" grep -q 'exit code 2' "$WORK/odd/w.out"
  sed 's#Halvane.exe"#Halvane.exe" JWC_TEMP.TXT#' "$BAT" >"$WORK/odd/HALVANE.BAT"
  BAT_OVERRIDE=$WORK/odd/HALVANE.BAT host "$WORK/odd/a" \
    --headless "$PROGRAM" "$EXAMPLE"
  check "an argument that is no /switch is refused (exit 1)" test $rc = 1
}

# switched BAT SWITCH SCENARIO GOLDEN: the stand-in runs halvane-run with the
# batch file's switch ("-" for none), which writes GOLDEN, and what
# halvane-run itself writes for the same folder with that switch.
switched() {
  local bat=$1 switch=$2 scenario=$3 golden=$4 name=${1%.BAT}
  local flags=()
  [ "$switch" = - ] || flags=("$switch")
  BAT_OVERRIDE=$ROOT/jwcad/$bat host "$WORK/$name" --headless "$PROGRAM" \
    --svg "$WORK/$name.svg" "$scenario"
  check "$bat: drawn (exit 0)" test $rc = 0
  check "$bat: JWC_TEMP.TXT read back as expected" \
    cmp "$WORK/$name/prog/JWC_TEMP.TXT" "$golden"
  check "$bat: halvane-run gets [${flags[*]}] before the folder" \
    grep -qE "^running [^ ]*halvane-run ${flags[*]:+${flags[*]} }$WORK/$name/prog\$" \
    "$WORK/$name.out"
  # The folder as the host leaves it for the program, run by hand.
  BAT_OVERRIDE=$ROOT/jwcad/$bat host "$WORK/$name-input" --headless true \
    "$scenario"
  local input=$WORK/$name-input/prog
  "$PROGRAM" "${flags[@]}" "$input" >/dev/null 2>&1
  check "$bat: the same JWC_TEMP.TXT as halvane-run ${flags[*]}" \
    cmp "$WORK/$name/prog/JWC_TEMP.TXT" "$input/JWC_TEMP.TXT"
  check "$bat: the picture's caption names the batch file's memo" \
    grep -q "$(iconv -f CP932 -t UTF-8 "$ROOT/jwcad/$bat" | head -1 |
      sed 's/^REM \([^　]*\).*/\1/')" "$WORK/$name.svg"
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
  local direction bat switch scenario golden
  for direction in "${DIRECTIONS[@]}"; do
    read -r bat switch scenario golden <<<"$direction"
    dialog_ok "$bat" "$ROOT/examples/$scenario"
    check "$bat: the JWC_TEMP.TXT of the golden file" \
      cmp "$WORK/dlg-${bat%.BAT}/prog/JWC_TEMP.TXT" "$GOLDEN/$golden"
  done
}

# dialog_ok BAT SCENARIO: Jw_cad's way through the batch file (cmd /c) to the
# dialog, Enter, and the same file and picture as the headless run.
dialog_ok() {
  local bat=$1 scenario=$2 name=${1%.BAT}
  "$HOST" --bat "$ROOT/jwcad/$bat" --work "$WORK/dlg-$name" --windows "$PROGRAM" \
    --launcher "$ROOT/tools/wine-run.sh" --svg "$WORK/dlg-$name.svg" \
    "$scenario" >"$WORK/dlg-$name.out" 2>&1 &
  local host_pid=$!
  local window=""
  for _ in $(seq 120); do
    window=$(xdotool search --name '^Halvane$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.5
  done
  check "$bat: the dialog opens" test -n "$window"
  [ -n "$window" ] && sleep 1 && xdotool key --window "$window" Return
  for _ in $(seq 60); do kill -0 $host_pid 2>/dev/null || break; sleep 0.5; done
  kill $host_pid 2>/dev/null
  wait $host_pid
  rc=$?
  cat "$WORK/dlg-$name.out"
  check "$bat: Enter in the dialog draws the example (exit 0)" test $rc = 0
  if [ -n "${HEADLESS_RUNNER:-}" ]; then
    BAT_OVERRIDE=$ROOT/jwcad/$bat host "$WORK/ok-$name" --headless \
      "$HEADLESS_RUNNER" --svg "$WORK/ok-$name.svg" "$scenario"
    check "$bat: the same JWC_TEMP.TXT as the headless run" \
      cmp "$WORK/dlg-$name/prog/JWC_TEMP.TXT" "$WORK/ok-$name/prog/JWC_TEMP.TXT"
    check "$bat: the same picture as the headless run" \
      cmp "$WORK/dlg-$name.svg" "$WORK/ok-$name.svg"
  fi
}

"$MODE"
echo "$failures failed"
[ $failures = 0 ]
