#!/bin/bash
# End-to-end tests of Halvane.exe: the real program under Wine in Xvfb, in a
# program folder prepared the way Jw_cad leaves it, driven with real keys and
# clicks; the files it leaves are checked byte for byte.
#
# Builds (or reuses) the x86-64 and i686 programs in build/win-x86_64 and
# build/win-i686 (E2E_BUILD_X64, E2E_BUILD_X86 to use other folders).
# Screenshots and logs go to build/e2e/, the skipped tests with their reasons
# to build/e2e/skipped.txt. A test is a function named test_*; it calls
# skip_test REASON and returns when this machine cannot run it.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=$ROOT/build/e2e
WORK=$OUT/work
FIX=$ROOT/tests/e2e/fixtures
X64_BUILD=${E2E_BUILD_X64:-$ROOT/build/win-x86_64}
X86_BUILD=${E2E_BUILD_X86:-$ROOT/build/win-i686}
source "$ROOT/tests/e2e/lib.sh"

for tool in Xvfb xdotool xwininfo xwd xclip iconv wineserver; do
  command -v $tool >/dev/null || {
    echo "missing $tool (tools/install-deps.sh installs it)"
    exit 1
  }
done
[ -n "$CONVERT" ] || { echo "missing ImageMagick's convert"; exit 1; }

build() { # build DIR TOOLCHAIN TARGETS...
  local dir=$1 toolchain=$2
  shift 2
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" >/dev/null &&
    cmake --build "$dir" -j"$(nproc)" --target "$@" >"$OUT/build-$toolchain.log" 2>&1
}

mkdir -p "$OUT"
rm -rf "$WORK"
mkdir -p "$WORK"
: >"$SKIP_LIST"
echo "building the Windows programs"
build "$X64_BUILD" mingw-x86_64.cmake Halvane Halvane-probe halvane-run ui_tests ||
  { tail -30 "$OUT/build-mingw-x86_64.cmake.log"; exit 1; }
build "$X86_BUILD" mingw-i686.cmake Halvane ||
  { tail -30 "$OUT/build-mingw-i686.cmake.log"; exit 1; }
HALVANE=$X64_BUILD/ui/Halvane.exe
PROBE=$X64_BUILD/ui/Halvane-probe.exe
HALVANE_RUN=$X64_BUILD/halvane-run.exe
UI_TESTS=$X64_BUILD/ui/ui_tests.exe
HALVANE_X86=$X86_BUILD/ui/Halvane.exe

trap cleanup EXIT
start_x || exit 1
configure_prefix "$OUT/wineprefix"

HQ=$WORK/hq.txt
printf 'hq\r\n' >"$HQ"

# reference NAME INPUT [SETTINGS] [--cancel]: what halvane-run writes for the
# same folder; prints the folder.
reference() {
  local dir=$WORK/reference-$1
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$2" "$dir/JWC_TEMP.TXT"
  [ -n "${3:-}" ] && cp "$3" "$dir/t517.dat"
  "$WINE_RUN" "$(winpath "$HALVANE_RUN")" ${4:-} "$(winpath "$dir")" \
    >"$dir.log" 2>&1
  printf '%s' "$dir"
}

# prepared NAME [EXE] [INPUT] [SETTINGS]: a program folder with the host's
# JWC_TEMP.TXT and a settings file ("-" for none).
prepared() {
  local dir
  dir=$(make_folder "$1" "${2:-$HALVANE}")
  cp "${3:-$FIX/JWC_TEMP.TXT}" "$dir/JWC_TEMP.TXT"
  [ "${4:-$FIX/t517.dat}" != - ] && cp "${4:-$FIX/t517.dat}" "$dir/t517.dat"
  printf '%s' "$dir"
}

# The dialog's client size, as the layout gives it.
read -r _ CLIENT_W CLIENT_H < <(grep '^client ' "$ROOT/tests/e2e/expected_layout.txt")

# Client point (x, y) of the dialog on the screen, from its frame.
click_client() {
  local border=$(((WIN_W - CLIENT_W) / 2))
  xdotool mousemove $((WIN_X + border + $1)) $((WIN_Y + WIN_H - CLIENT_H - border + $2)) click 1
  sleep 0.3
}

# start_dialog DIR: starts the program in DIR and waits for its dialog; sets
# DIALOG to its X window.
start_dialog() {
  launch "$1"
  DIALOG=$(wait_window '^Halvane$') && return 0
  check "the dialog appears" false
  return 1
}

close_count() { grep -c '^close$' "$1/probe.log"; }

# --- Cancel: every way of closing without OK --------------------------------

# cancel_by ACTION: Esc, Alt+N, the system menu's Close (Alt+Space C; Wine
# leaves Alt+F4 to a window manager), the close box, the Cancel button.
cancel_by() {
  local dir
  dir=$(prepared "cancel $1" "$PROBE")
  start_dialog "$dir" || return
  case $1 in
    escape) keys Escape ;;
    alt-n) keys alt+n ;;
    system-menu)
      keys alt+space
      keys c
      ;;
    close-box)
      window_frame "$DIALOG"
      xdotool mousemove $((WIN_X + WIN_W - 13)) $((WIN_Y + 11)) click 1
      ;;
    cancel-button)
      window_frame "$DIALOG"
      click_client 428 328
      ;;
  esac
  check "the program ends" wait_exit
  check "exit code 0" exit_zero
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
  check "the settings file is unchanged" same_file "$dir/t517.dat" "$FIX/t517.dat"
  check "FormClose ran once" equals "$(close_count "$dir")" 1
}
test_cancel_escape() { cancel_by escape; }
test_cancel_alt_n() { cancel_by alt-n; }
test_cancel_system_menu() { cancel_by system-menu; }
test_cancel_close_box() { cancel_by close-box; }
test_cancel_button() { cancel_by cancel-button; }

# --- OK: every way of pressing it gives halvane-run's output ----------------

REFERENCE=
ok_by() {
  local dir
  dir=$(prepared "${2:-ok $1}")
  start_dialog "$dir" || return
  case $1 in
    enter) keys Return ;;
    alt-y) keys alt+y ;;
    ok-button)
      window_frame "$DIALOG"
      click_client 428 280
      ;;
    enter-in-edit) # Tab to Edit4, the 17th stop
      keys $(printf 'Tab %.0s' $(seq 16)) Return
      ;;
    enter-in-memo)
      window_frame "$DIALOG"
      click_client 400 100
      type_text "x"
      keys Return
      ;;
  esac
  check "the program ends" wait_exit
  check "exit code 0" exit_zero
  check "JWC_TEMP.TXT as halvane-run writes it" \
    same_file "$dir/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT"
  check "t517.dat as halvane-run writes it" \
    same_file "$dir/t517.dat" "$REFERENCE/t517.dat"
}
test_ok_enter() { ok_by enter; }
test_ok_alt_y() { ok_by alt-y; }
test_ok_button() { ok_by ok-button; }
test_ok_enter_in_edit() { ok_by enter-in-edit; }
test_ok_enter_in_memo() { ok_by enter-in-memo; }
test_ok_japanese_folder() { ok_by alt-y "外部変形/寸法 ツール"; }
test_cancel_japanese_folder() {
  local dir
  dir=$(prepared "外部変形/寸法 ツール 2")
  start_dialog "$dir" || return
  keys alt+n
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
}

# --- keyboard: tab order, length limits, lists ------------------------------

test_tab_order() {
  local dir order
  dir=$(prepared "tab order" "$PROBE" "" -)
  start_dialog "$dir" || return
  keys $(printf 'Tab %.0s' $(seq 22))
  keys shift+Tab shift+Tab
  order=$(grep '^focus ' "$dir/probe.log" | cut -d' ' -f2 | tr '\n' ' ')
  check "Tab visits the controls in order, never the memo" equals "$order" \
    "ComboBox1 ComboBox2 Edit7 Edit8 Edit1 ComboBox3 Edit2 Edit3 ComboBox4 ComboBox5 RadioGroup1 RadioGroup2 CheckBox1 CheckBox2 CheckBox3 CheckBox4 Edit4 Edit5 Edit6 Edit9 Button1 Button2 ComboBox1 Button2 Button1 "
  keys Escape
  check "the program ends" wait_exit
}

test_length_limits() {
  local dir wide14 wide17
  wide14=寸法寸法寸法寸法寸法寸法寸法
  wide17=寸法寸法寸法寸法寸法寸法寸法寸法寸
  dir=$(prepared "length limits")
  start_dialog "$dir" || return
  keys Tab Tab # Edit7, 8 bytes; its text is selected
  type_text "3.00000001"
  keys Tab Tab Tab Tab # Edit2, 32 bytes
  type_text "abcdefghijklmnopqrstuvwxyz0123456789ABCD"
  keys Tab # Edit3, 32 bytes
  to_clipboard "$wide17"
  keys ctrl+v # 34 bytes: refused whole
  to_clipboard "aü"
  keys ctrl+v # no Shift-JIS form: refused
  to_clipboard $'前後\r\nX'
  keys ctrl+v # the first line only
  to_clipboard "$wide14"
  keys ctrl+v # 4 + 28 bytes: fits exactly
  to_clipboard "漢"
  keys ctrl+v
  type_text "z"
  keys Return
  check "the program ends" wait_exit
  check "Edit7 kept 8 bytes" equals "$(settings_line "$dir" 14)" "3.000000"
  check "Edit2 kept 32 bytes" equals "$(settings_line "$dir" 9)" \
    "abcdefghijklmnopqrstuvwxyz012345"
  check "Edit3 took full-width text up to 32 bytes" \
    equals "$(settings_line "$dir" 10)" "前後$wide14"
  local ref
  ref=$(reference limits "$FIX/JWC_TEMP.TXT" "$dir/t517.dat")
  check "the output is halvane-run's for these settings" \
    same_file "$dir/JWC_TEMP.TXT" "$ref/JWC_TEMP.TXT"
}

test_lists_take_no_typing() {
  local dir
  dir=$(prepared "lists")
  start_dialog "$dir" || return
  type_text "xyz" # ComboBox1
  keys $(printf 'Tab %.0s' $(seq 8)) # ComboBox4
  type_text "xyz"
  keys Return
  check "the program ends" wait_exit
  check "ComboBox1 keeps its item" equals "$(settings_line "$dir" 3)" 1
  check "ComboBox4 keeps its item" equals "$(settings_line "$dir" 6)" 2
  check "the output is unchanged by the typing" \
    same_file "$dir/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT"
}

# --- refusals ---------------------------------------------------------------

test_refused_text_type() {
  local dir
  dir=$(prepared "refused text type" "$PROBE" "" -) # no settings: no text type
  start_dialog "$dir" || return
  keys Return
  sleep 0.5
  check "the dialog stays open" kill -0 "$APP_PID"
  check "the focus is on ComboBox3" equals "$(last_focus "$dir")" ComboBox3
  check "no settings saved" no_file "$dir/t517.dat"
  check "nothing written yet" same_file "$dir/JWC_TEMP.TXT" "$FIX/JWC_TEMP.TXT"
  check "no message" equals "$(grep -c '^message' "$dir/probe.log")" 0
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
  check "no settings saved" no_file "$dir/t517.dat"
}

test_refused_marker_scale() {
  local dir
  dir=$(prepared "refused marker scale" "$PROBE")
  start_dialog "$dir" || return
  keys Tab Tab Tab Tab # Edit1
  type_text "0"
  keys Tab Return
  sleep 0.5
  check "the dialog stays open" kill -0 "$APP_PID"
  check "the focus is back on Edit1" equals "$(last_focus "$dir")" Edit1
  check "the settings file is unchanged" same_file "$dir/t517.dat" "$FIX/t517.dat"
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
  check "FormClose ran once" equals "$(close_count "$dir")" 1
}

test_zero_length_message() {
  local dir ref box
  dir=$(prepared "zero length" "$PROBE" "$FIX/zero_length.JWC_TEMP.TXT")
  ref=$(reference zero "$FIX/zero_length.JWC_TEMP.TXT" "$FIX/t517.dat")
  start_dialog "$dir" || return
  keys Return
  box=$(wait_window '^確認$' 10) || { check "a message box appears" false; return; }
  sleep 0.5
  screenshot "$OUT/zero-length-message.png"
  window_shot "$box" "$OUT/zero-length-message-window.png"
  check "its text" equals "$(grep '^message ' "$dir/probe.log" | cut -d' ' -f2-)" \
    "寸法が「0」になりますので作図出来ません"
  keys Return
  check "the message box closes" window_gone '^確認$'
  sleep 0.3
  check "the dialog stays open" kill -0 "$APP_PID"
  check "no close yet" equals "$(close_count "$dir")" 0
  check "the settings are saved before the length test" \
    same_file "$dir/t517.dat" "$ref/t517.dat"
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
}

# --- files and places -------------------------------------------------------

# no_temporary_file DIR: nothing beside the program and its files.
no_temporary_file() {
  local left
  left=$(ls -A "$1" | grep -v -e '\.exe$' -e '^JWC_TEMP\.TXT$' -e '^t517\.dat$' -e '^filler$')
  [ -z "$left" ] || { echo "    left behind: $left"; false; }
}

# ok_writes_nothing DIR: OK in a folder where no file can be written ends
# quietly and leaves both files and the folder as they were.
ok_writes_nothing() {
  local dir=$1
  start_dialog "$dir" || return
  keys Return
  check "the program ends" wait_exit
  check "exit code 0" exit_zero
  check "no message box" equals "$(xdotool search --name '^確認$' 2>/dev/null)" ""
  check "JWC_TEMP.TXT untouched" same_file "$dir/JWC_TEMP.TXT" "$FIX/JWC_TEMP.TXT"
  check "t517.dat untouched" same_file "$dir/t517.dat" "$FIX/t517.dat"
  check "no temporary file left" no_temporary_file "$dir"
}

test_read_only_folder() {
  local src dir
  src=$(prepared "read-only source")
  dir=$WORK/read-only
  mkdir -p "$dir"
  if mount --bind "$src" "$dir" 2>/dev/null &&
    mount -o remount,bind,ro "$dir" 2>/dev/null; then
    MOUNTED+=("$dir")
    echo "    program folder on a read-only bind mount"
    ok_writes_nothing "$dir"
    umount "$dir"
  else
    # Without mount rights: JWC_TEMP.TXT is a folder, which no file can replace.
    umount "$dir" 2>/dev/null
    echo "    no mount rights: JWC_TEMP.TXT made a folder instead"
    rm -f "$src/JWC_TEMP.TXT"
    mkdir "$src/JWC_TEMP.TXT"
    start_dialog "$src" || return
    keys Escape
    check "the program ends" wait_exit
    check "exit code 0" exit_zero
    check "the folder is left as it was" test -d "$src/JWC_TEMP.TXT"
    check "no partial file left" equals "$(ls "$src" | grep -vc -e '^Halvane.exe$' -e '^JWC_TEMP.TXT$' -e '^t517.dat$')" 0
  fi
}

test_full_disk() {
  local dir=$WORK/full-disk
  mkdir -p "$dir"
  if ! mount -t tmpfs -o size=8m halvane-e2e "$dir" 2>/dev/null; then
    skip_test "mounting a tmpfs needs root"
    return
  fi
  MOUNTED+=("$dir")
  echo "    program folder on a full tmpfs"
  cp "$HALVANE" "$FIX/JWC_TEMP.TXT" "$FIX/t517.dat" "$dir/"
  dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null # until no block is left
  ok_writes_nothing "$dir"
  umount "$dir"
}

# A user locks the settings by making t517.dat read-only.
test_locked_settings() {
  local dir
  dir=$(prepared "locked settings")
  chmod a-w "$dir/t517.dat"
  start_dialog "$dir" || return
  keys Return
  check "the program ends" wait_exit
  check "exit code 0" exit_zero
  check "the dimension is drawn" same_file "$dir/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT"
  check "t517.dat untouched" same_file "$dir/t517.dat" "$FIX/t517.dat"
  check "still read-only" equals "$(stat -c %a "$dir/t517.dat")" 444
  check "no temporary file left" no_temporary_file "$dir"
}

test_saved_position() {
  local dir settings
  for place in "300 200" "-40 700"; do
    settings=$WORK/position.dat
    { printf '%s\r\n' $place; tail -n +3 "$FIX/t517.dat"; } >"$settings"
    dir=$(prepared "position ${place/ /,}" "" "" "$settings")
    start_dialog "$dir" || return
    window_frame "$DIALOG"
    check "the window is placed at $place" equals "$WIN_X $WIN_Y" "$place"
    keys Escape
    check "the program ends" wait_exit
  done
}

# --- placing: the dialog never opens out of reach ---------------------------

# open_at NAME "LEFT TOP": the probe with that saved position; sets DIALOG,
# PLACE_DIR, WIN_X WIN_Y WIN_W WIN_H and the monitor's work area WORK_L
# WORK_T WORK_R WORK_B.
open_at() {
  local settings=$WORK/position.dat
  { printf '%s\r\n' $2; tail -n +3 "$FIX/t517.dat"; } >"$settings"
  PLACE_DIR=$(prepared "place $1" "$PROBE" "" "$settings")
  start_dialog "$PLACE_DIR" || return 1
  window_frame "$DIALOG"
  read -r WORK_L WORK_T WORK_R WORK_B < <(sed -n 's/^workarea //p' "$PLACE_DIR/probe.log")
}

inside_work_area() {
  ((WIN_X >= WORK_L && WIN_Y >= WORK_T && WIN_X + WIN_W <= WORK_R &&
    WIN_Y + WIN_H <= WORK_B)) || {
    echo "    window at $WIN_X,$WIN_Y, ${WIN_W}x$WIN_H: not inside the work area $WORK_L,$WORK_T to $WORK_R,$WORK_B"
    false
  }
}

# placed NAME "LEFT TOP" "X Y": the dialog opens at X, Y (arithmetic on the
# work area WORK_* and the window's size WIN_W, WIN_H); Esc closes it.
placed() {
  open_at "$1" "$2" || return
  local want_x want_y
  read -r want_x want_y <<<"$3"
  check "$1: opened at $3" equals "$WIN_X $WIN_Y" "$((want_x)) $((want_y))"
  [ "$2" = "$3" ] || check "$1: wholly on the screen" inside_work_area
  [ -n "${4:-}" ] && screenshot "$OUT/$4"
  keys Escape
  check "$1: the program ends" wait_exit
}

test_position_out_of_reach() {
  placed "kept at 100,100" "100 100" "100 100" || return
  local border=$(((WIN_W - CLIENT_W) / 2)) right=$WORK_R
  placed "kept at -40,700" "-40 700" "-40 700"
  placed "beyond the bottom right" "3000 2000" "WORK_R-WIN_W WORK_B-WIN_H" \
    position-3000-2000.png
  placed "beyond the top left" "-5000 -5000" "WORK_L WORK_T"
  placed "the integer extremes" "2147483647 -2147483648" "WORK_R-WIN_W WORK_T"
  placed "48 pixels of title bar on the screen" \
    "$((right - border - 48)) 100" "$((right - border - 48)) 100"
  placed "20 pixels of title bar on the screen" \
    "$((right - border - 20)) 100" "WORK_R-WIN_W 100" position-20-pixels.png
}

test_ok_saves_the_moved_position() {
  open_at "moved, then OK" "3000 2000" || return
  keys Return
  check "the program ends" wait_exit
  check "lines 1 and 2 hold where the window was" equals \
    "$(settings_line "$PLACE_DIR" 1) $(settings_line "$PLACE_DIR" 2)" "$WIN_X $WIN_Y"
  check "JWC_TEMP.TXT as halvane-run writes it" \
    same_file "$PLACE_DIR/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT"
}

# --- fonts: every character readable, with or without ＭＳ ゴシック ------------

# glyphs NAME: the Windows unit test that asks the dialog's font for every
# character the dialog shows, in the current prefix.
glyphs() {
  local log=$OUT/glyphs-$1.log
  "$WINE_RUN" "$(winpath "$UI_TESTS")" --gtest_filter='Heights/DialogFont.*' \
    >"$log" 2>&1
  local status=$?
  sed -n 's/^dialog font: /    dialog font: /p' "$log" | sort -u
  ((status == 0)) || { grep -B1 -A4 'Failure' "$log" | head -30; false; }
}

test_font_with_replacement() {
  check "the font has every character" glyphs replacement
}

# A fresh prefix made with LANG=C.UTF-8 that does not know ＭＳ ゴシック.
test_font_without_replacement() {
  local main_prefix=$WINEPREFIX dir face
  configure_prefix "$OUT/wineprefix-plain" --no-font-replacement >/dev/null
  check "the font has every character" glyphs plain
  dir=$(prepared "no font replacement" "$PROBE" "" -)
  if start_dialog "$dir"; then
    window_frame "$DIALOG"
    xdotool mousemove $((WIN_X + 200)) $((WIN_Y + 11)) click 1
    sleep 0.5
    screenshot "$OUT/no-font-replacement.png"
    "$CONVERT" "$OUT/no-font-replacement.png" \
      -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage \
      "$OUT/no-font-replacement-dialog.png"
    face=$(sed -n 's/^child .* font -13 128 \(.*\) text .*/\1/p' "$dir/probe.log" | sort -u)
    echo "    the dialog draws with $face"
    check "a face other than the missing one" test "$face" != "ＭＳ ゴシック"
    check "the layout" "$ROOT/tests/e2e/check_layout.sh" "$dir/probe.log" \
      "$ROOT/tests/e2e/expected_layout.txt" "$face"
    keys Tab Tab Tab Tab Tab Home # the text-type list's first item
    screenshot "$OUT/no-font-replacement-text-type.png"
    keys Escape Escape
    check "the program ends" wait_exit
  fi
  wineserver -k >/dev/null 2>&1
  timeout 60 wineserver -w
  export WINEPREFIX=$main_prefix
}

test_layout_and_screenshot() {
  local dir origin_x origin_y
  dir=$(prepared "layout" "$PROBE" "" -)
  start_dialog "$dir" || return
  check "the taskbar window t482_Halvane exists" wait_window '^t482_Halvane$' 2 >/dev/null
  window_frame "$DIALOG"
  # A click on the title bar makes it the foreground window, drawn as active.
  xdotool mousemove $((WIN_X + 200)) $((WIN_Y + 11)) click 1
  sleep 0.5
  screenshot "$OUT/screen.png"
  "$CONVERT" "$OUT/screen.png" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage \
    "$OUT/dialog.png"
  check "the layout" "$ROOT/tests/e2e/check_layout.sh" "$dir/probe.log" \
    "$ROOT/tests/e2e/expected_layout.txt"
  read -r origin_x origin_y < <(sed -n 's/^client .* origin //p' "$dir/probe.log")
  at() { pixel "$OUT/screen.png" $((origin_x + $1)) $((origin_y + $2)); }
  check "white form" equals "$(at 505 260)" "255,255,255"
  check "light blue memo" equals "$(at 400 219)" "187,235,244"
  check "grey status strip" equals "$(at 4 372)" "231,231,231"
  keys Escape
  check "the program ends" wait_exit
}

test_i686_cancel_and_ok() {
  local dir why
  if ! why=$("$ROOT/tools/wine32-check.sh"); then
    skip_test "$why; Halvane.exe for i686 was built, not run"
    return
  fi
  dir=$(prepared "i686 cancel" "$HALVANE_X86")
  start_dialog "$dir" || return
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
  dir=$(prepared "i686 ok" "$HALVANE_X86")
  start_dialog "$dir" || return
  keys Return
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT as halvane-run writes it" \
    same_file "$dir/JWC_TEMP.TXT" "$REFERENCE/JWC_TEMP.TXT"
}

# --- directions: the three batch files, as Jw_cad runs them -----------------

# oblique_input: the fixture with its second measured point moved up, so that
# the horizontal, vertical and aligned dimensions all differ; prints its path.
oblique_input() {
  local file=$WORK/oblique.JWC_TEMP.TXT
  sed 's/^hp2 .*/hp2 3125.5 2100\r/' "$FIX/JWC_TEMP.TXT" >"$file"
  printf '%s' "$file"
}

# batch_ok ARCH EXE BAT SWITCH: BAT beside EXE in a folder holding the host's
# files, run with cmd /c and OK pressed with Enter, writes the bytes that
# halvane-run writes with SWITCH; leaves the folder in BATCH_DIR.
batch_ok() {
  local arch=$1 exe=$2 bat=$3 switch=$4 input ref what="$3 ($1)"
  input=$(oblique_input)
  BATCH_DIR=$(prepared "batch $arch $bat" "$exe" "$input")
  cp "$ROOT/jwcad/$bat" "$BATCH_DIR/"
  ref=$(reference "$arch-$bat" "$input" "$FIX/t517.dat" "$switch")
  check "$what: halvane-run $switch draws" not_same "$ref/JWC_TEMP.TXT" "$HQ"
  check "$what: ... and writes JWC_TEMP.TXT back" \
    not_same "$ref/JWC_TEMP.TXT" "$input"
  launch_batch "$BATCH_DIR" "$bat"
  if ! wait_window '^Halvane$' >/dev/null; then
    check "$what: the dialog appears" false
    return
  fi
  keys Return
  check "$what: cmd and the program end" wait_exit
  check "$what: exit code 0" exit_zero
  check "$what: JWC_TEMP.TXT as halvane-run $switch writes it" \
    same_file "$BATCH_DIR/JWC_TEMP.TXT" "$ref/JWC_TEMP.TXT"
  check "$what: t517.dat as halvane-run writes it" \
    same_file "$BATCH_DIR/t517.dat" "$ref/t517.dat"
}

not_same() { ! cmp -s "$1" "$2" || { echo "    $1 equals $2"; false; }; }

batch_files_of() { # ARCH EXE: all three batch files with one program
  local horizontal vertical aligned
  batch_ok "$1" "$2" HALVANE.BAT ""
  horizontal=$BATCH_DIR
  batch_ok "$1" "$2" HALVANE_V.BAT --vertical
  vertical=$BATCH_DIR
  batch_ok "$1" "$2" HALVANE_P.BAT --aligned
  aligned=$BATCH_DIR
  check "$1: three different dimensions" not_same \
    "$horizontal/JWC_TEMP.TXT" "$vertical/JWC_TEMP.TXT"
  check "$1: ... aligned too" not_same \
    "$horizontal/JWC_TEMP.TXT" "$aligned/JWC_TEMP.TXT"
}

test_batch_files() {
  batch_files_of x64 "$HALVANE"
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    batch_files_of x86 "$HALVANE_X86"
  else
    skip_test "test_batch_files (x86)" \
      "this kernel cannot start Wine's 32-bit loader"
  fi
}

# A switch the program does not know: a message box under the dialog's
# caption, but no dialog and no application window; the program ends with 2
# and leaves the host's files as they were.
test_unknown_switch() {
  local dir box
  dir=$(prepared "unknown switch")
  launch "$dir" /sideways
  box=$(wait_window '^Halvane$') || { check "a message box appears" false; return; }
  window_frame "$box"
  check "a message box, not the dialog (${WIN_W}x$WIN_H)" test "$WIN_H" -lt 300
  check "no application window" no_window '^t482_Halvane$'
  screenshot "$OUT/unknown-switch.png"
  window_shot "$box" "$OUT/unknown-switch-window.png"
  keys Return
  check "the program ends" wait_exit
  check "exit code 2" equals "$EXIT_CODE" 2
  check "JWC_TEMP.TXT untouched" same_file "$dir/JWC_TEMP.TXT" "$FIX/JWC_TEMP.TXT"
  check "t517.dat untouched" same_file "$dir/t517.dat" "$FIX/t517.dat"
  check "no temporary file left" no_temporary_file "$dir"
}

# A host file without all four points (another command's batch file): one
# message box before the dialog opens, and nothing is written.
test_missing_points() {
  local dir input box
  input=$WORK/missing-points.JWC_TEMP.TXT
  grep -av '^hp[24]' "$FIX/JWC_TEMP.TXT" >"$input"
  dir=$(prepared "missing points" "" "$input")
  launch "$dir"
  box=$(wait_window '^確認$') || { check "a message box appears" false; return; }
  window_frame "$box"
  check "a message box, not the dialog (${WIN_W}x$WIN_H)" test "$WIN_H" -lt 300
  screenshot "$OUT/missing-points.png"
  window_shot "$box" "$OUT/missing-points-window.png"
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT untouched" same_file "$dir/JWC_TEMP.TXT" "$input"
  check "t517.dat untouched" same_file "$dir/t517.dat" "$FIX/t517.dat"
  check "no temporary file left" no_temporary_file "$dir"
}

# The message window's closers, face and place, through its message queue.
test_message_window() {
  local log=$OUT/message-window.log
  "$WINE_RUN" "$(winpath "$UI_TESTS")" --gtest_filter='Closers/MessageWindow.*' \
    >"$log" 2>&1
  local status=$?
  check "Enter, Esc, OK and the close box close it" equals "$status" 0
  check "it ran on the display" equals "$(grep -c 'SKIPPED' "$log")" 0
  ((status == 0)) || grep -B1 -A4 'Failure' "$log" | head -30
}

# The dialog opened by /vertical, for a look at its help text:
# build/e2e/vertical-dialog.png.
test_vertical_dialog_screenshot() {
  local dir
  dir=$(prepared "vertical dialog" "" "$(oblique_input)")
  launch "$dir" /vertical
  DIALOG=$(wait_window '^Halvane$') || { check "the dialog appears" false; return; }
  window_frame "$DIALOG"
  xdotool mousemove $((WIN_X + 200)) $((WIN_Y + 11)) click 1
  sleep 0.5
  screenshot "$OUT/vertical-screen.png"
  "$CONVERT" "$OUT/vertical-screen.png" \
    -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$OUT/vertical-dialog.png"
  keys Escape
  check "the program ends" wait_exit
  check "JWC_TEMP.TXT holds only hq" same_file "$dir/JWC_TEMP.TXT" "$HQ"
}

# --- the preview ---------------------------------------------------------------

# pane_shot DIR NAME: the screen, and the preview pane cut out of it as
# build/e2e/NAME.png; sets PANE_X and PANE_Y, the pane's place on the screen.
pane_shot() {
  local origin_x origin_y left top width height
  read -r origin_x origin_y < <(sed -n 's/^client .* origin //p' "$1/probe.log" | tail -1)
  read -r left top width height < <(sed -n 's/^child Preview [^ ]* //p' "$1/probe.log" |
    tail -1 | cut -d' ' -f1-4)
  PANE_X=$((origin_x + left)) PANE_Y=$((origin_y + top))
  screenshot "$OUT/$2-screen.png"
  "$CONVERT" "$OUT/$2-screen.png" -crop "${width}x${height}+${PANE_X}+${PANE_Y}" \
    +repage "$OUT/$2.png"
}
paints() { grep -c '^preview ' "$1/probe.log"; }

# The pane shows what OK writes: one repaint per change of the start marker,
# the dimension line where the fit puts it, and OK then writes what
# halvane-run writes with the settings the dialog saved.
test_preview_follows_changes() {
  local dir ref line x1 y1 x2 y2
  dir=$(prepared "preview" "$PROBE")
  start_dialog "$dir" || return
  pane_shot "$dir" preview-horizontal
  check "one paint when shown" equals "$(paints "$dir")" 1
  # The third line drawn is the dimension line; a quarter along it, no
  # picked point's mark lies on it.
  line=$(grep '^line ' "$dir/probe.log" | sed -n 3p)
  read -r _ x1 y1 x2 y2 <<<"$line"
  check "the dimension line is drawn where the fit puts it" equals \
    "$(pixel "$OUT/preview-horizontal-screen.png" $((PANE_X + (3 * x1 + x2) / 4)) $((PANE_Y + (3 * y1 + y2) / 4)))" \
    "0,0,0"
  keys Down Down Down Down Down # the start marker: from △ to ▲
  check "one paint per change" equals "$(paints "$dir")" 6
  pane_shot "$dir" preview-glyph
  check "the pane changed" not_same "$OUT/preview-horizontal.png" "$OUT/preview-glyph.png"
  keys Return
  check "the program ends" wait_exit
  ref=$WORK/preview-reference
  rm -rf "$ref" && mkdir -p "$ref"
  cp "$FIX/JWC_TEMP.TXT" "$ref/" && cp "$dir/t517.dat" "$ref/"
  "$WINE_RUN" "$(winpath "$HALVANE_RUN")" "$(winpath "$ref")" >"$ref.log" 2>&1
  check "OK writes what halvane-run writes with the saved settings" \
    same_file "$dir/JWC_TEMP.TXT" "$ref/JWC_TEMP.TXT"
}

# Reversed markers with the value beyond the start, then an option that OK
# would refuse; and the aligned dimension.
test_preview_screenshots() {
  local dir input=$WORK/reversed.JWC_TEMP.TXT
  sed 's/^hp4 .*/hp4 -900 1700\r/' "$FIX/JWC_TEMP.TXT" >"$input"
  dir=$(prepared "preview reversed" "$PROBE" "$input")
  start_dialog "$dir" || return
  pane_shot "$dir" preview-reversed
  keys Tab Tab Tab Tab BackSpace # the marker scale emptied
  pane_shot "$dir" preview-refused
  check "a refused option shows a notice" grep -q '^preview .* notice$' "$dir/probe.log"
  keys Escape
  check "the program ends" wait_exit
  dir=$(prepared "preview aligned" "$PROBE" "$(oblique_input)")
  launch "$dir" /aligned
  DIALOG=$(wait_window '^Halvane$') || { check "the dialog appears" false; return; }
  pane_shot "$dir" preview-aligned
  keys Escape
  check "the program ends" wait_exit
}

# --- run ----------------------------------------------------------------------

REFERENCE=$(reference ok "$FIX/JWC_TEMP.TXT" "$FIX/t517.dat")
if cmp -s "$REFERENCE/JWC_TEMP.TXT" "$HQ" || [ ! -s "$REFERENCE/JWC_TEMP.TXT" ]; then
  echo "halvane-run drew nothing for the fixture; see $REFERENCE.log"
  exit 1
fi

started=$SECONDS
tests=$(declare -F | awk '{print $3}' | grep '^test_')
if [ $# -gt 0 ]; then tests=$(printf '%s\n' $tests | grep -e "$1"); fi
for t in $tests; do run_test "$t"; done

echo
echo "end-to-end: $((SECONDS - started)) s; screenshots and logs in $OUT"
echo "$PASSED passed, $FAILED failed, $SKIPPED skipped"
((FAILED == 0))
