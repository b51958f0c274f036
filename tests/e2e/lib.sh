# Helpers for the end-to-end tests: an X server, a Wine prefix with a
# virtual desktop, program folders, keys and clicks, and checks.
# Sourced by run.sh; expects ROOT, OUT and WORK to be set.

WINE_RUN=$ROOT/tools/wine-run.sh
export WINEDEBUG=-all
export LANG=C.UTF-8 LC_ALL=C.UTF-8 # Japanese folder names reach Wine intact
CONVERT=
for c in /usr/bin/convert-im6.q16 /usr/bin/convert; do
  if [ -x "$c" ]; then CONVERT=$c; break; fi
done

XVFB_PID=
APP_PID=
CLIP_PID=
MOUNTED=()
PREFIXES=()

cleanup() {
  [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  local prefix
  for prefix in "${PREFIXES[@]}"; do WINEPREFIX=$prefix wineserver -k 2>/dev/null; done
  for m in "${MOUNTED[@]}"; do umount "$m" 2>/dev/null; done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
}

start_x() {
  local n
  for n in $(seq 90 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      xdotool getmouselocation >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=
  done
  echo "could not start Xvfb" >&2
  return 1
}

# Registry of the test prefix: every program runs in a 1024x768 virtual
# desktop (title bars and close boxes without a window manager), and IPA
# Gothic stands in for ＭＳ ゴシック unless the second argument is
# --no-font-replacement.
configure_prefix() {
  export WINEPREFIX=$1
  PREFIXES+=("$1")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix (first start takes a while)"
    timeout 300 "$WINE_RUN" wineboot -i >"$OUT/wineboot.log" 2>&1 || true
    timeout 120 wineserver -w || true
  fi
  # The title-bar buttons are drawn with Marlett, which this Wine does not
  # find in its own data folder.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  local reg=$OUT/prefix.reg
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
    if [ "${2:-}" != --no-font-replacement ]; then
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      printf '"MS Gothic"="IPAGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n'
    fi
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  timeout 120 "$WINE_RUN" regedit /S "$(winpath "$reg")" >/dev/null 2>&1
  # End what regedit started (its desktop process predates the settings),
  # then keep one server for the whole run, which makes each start quick.
  wineserver -k >/dev/null 2>&1 || true
  timeout 60 wineserver -w || true
  wineserver -p
}

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# make_folder NAME [EXE]: a fresh program folder holding the program (and
# nothing else); prints its path.
make_folder() {
  local dir=$WORK/$1
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "${2:-$HALVANE}" "$dir/"
  printf '%s' "$dir"
}

# launch DIR [ARG...]: starts the program in DIR under Wine.
launch() {
  local dir=$1 exe
  exe=$(cd "$dir" && ls -- *.exe | head -1)
  (cd / && exec "$WINE_RUN" "$(winpath "$dir")\\$exe" "${@:2}") >"$dir.wine.log" 2>&1 &
  APP_PID=$!
  xdotool mousemove 1010 750 2>/dev/null # over the desktop, so keys reach Wine
}

# launch_batch DIR BAT: runs DIR/BAT with cmd /c in DIR, as Jw_cad does.
launch_batch() {
  (cd "$1" && exec "$WINE_RUN" cmd /c "$2") >"$1.wine.log" 2>&1 &
  APP_PID=$!
  xdotool mousemove 1010 750 2>/dev/null
}

# wait_window REGEX [SECONDS]: the X window id of a visible window.
wait_window() {
  local i w
  for ((i = 0; i < ${2:-60} * 10; i++)); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    if [ -n "$w" ]; then
      sleep 0.4 # let the dialog take the focus
      printf '%s' "$w"
      return 0
    fi
    [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null && return 1
    sleep 0.1
  done
  return 1
}

# poll SECONDS COMMAND...: true as soon as COMMAND is.
poll() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    "${@:2}" && return 0
    sleep 0.1
  done
  return 1
}

no_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
window_gone() { poll "${2:-10}" no_window "$1"; }
program_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

# wait_exit [SECONDS]: waits for the program; sets EXIT_CODE.
wait_exit() {
  if poll "${1:-20}" program_ended; then
    wait "$APP_PID"
    EXIT_CODE=$?
    APP_PID=
    return 0
  fi
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  APP_PID=
  EXIT_CODE=timeout
  return 1
}

# The window's frame on the screen: sets WIN_X WIN_Y WIN_W WIN_H.
window_frame() {
  local info
  info=$(xwininfo -id "$1")
  WIN_X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  WIN_Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIN_W=$(sed -n 's/.*Width: *//p' <<<"$info")
  WIN_H=$(sed -n 's/.*Height: *//p' <<<"$info")
}

keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 80 "$1"; sleep 0.3; }

# to_clipboard TEXT: owns the X clipboard with TEXT until the next call.
to_clipboard() {
  [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null && wait "$CLIP_PID" 2>/dev/null
  printf '%s' "$1" | xclip -selection clipboard -quiet -i >/dev/null 2>&1 &
  CLIP_PID=$!
  sleep 0.3
}

screenshot() { xwd -root -silent | "$CONVERT" xwd:- "$1"; }
# window_shot ID PNG: one window's own picture. A window Wine opens over a
# visible one of the program can be missing from the root's picture.
window_shot() { xwd -id "$1" -silent | "$CONVERT" xwd:- "$2"; }

# pixel PNG X Y: "r,g,b" of a screen pixel.
pixel() {
  "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Shift-JIS bytes of UTF-8 text, with CR LF after each line.
sjis_lines() {
  local line
  for line in "$@"; do printf '%s\r\n' "$line"; done | iconv -f UTF-8 -t CP932
}

# settings_line DIR N: line N of DIR/t517.dat in UTF-8, without its CR LF.
settings_line() {
  sed -n "${2}p" "$1/t517.dat" | tr -d '\r' | iconv -f CP932 -t UTF-8
}

# Probe log: the last control that got the focus.
last_focus() { grep '^focus ' "$1/probe.log" | tail -1 | cut -d' ' -f2; }

# --- test bookkeeping ---------------------------------------------------------

PASSED=0
FAILED=0
SKIPPED=0
TEST_FAILS=0
TEST_SKIP=
CURRENT=
SKIP_LIST=$OUT/skipped.txt

check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if ! "$@"; then
    echo "    FAILED: $what"
    TEST_FAILS=$((TEST_FAILS + 1))
  fi
}

same_file() { cmp -s "$1" "$2" || { echo "    $1 differs from $2"; false; }; }
no_file() { [ ! -e "$1" ] || { echo "    $1 exists"; false; }; }
exit_zero() { [ "$EXIT_CODE" = 0 ] || { echo "    exit code $EXIT_CODE"; false; }; }
equals() { [ "$1" = "$2" ] || { echo "    got '$1', expected '$2'"; false; }; }

run_test() {
  CURRENT=$1
  TEST_FAILS=0
  TEST_SKIP=
  local start=$SECONDS
  echo "--- $1"
  "$1"
  if [ -n "$APP_PID" ]; then # left running by a failed step
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
    TEST_FAILS=$((TEST_FAILS + 1))
    echo "    FAILED: the program was still running"
  fi
  if ((TEST_FAILS)); then
    FAILED=$((FAILED + 1))
    echo "FAIL $1 ($((SECONDS - start)) s)"
  elif [ -n "$TEST_SKIP" ]; then
    SKIPPED=$((SKIPPED + 1))
    echo "SKIPPED $1: $TEST_SKIP"
    printf '%s\t%s\n' "$1" "$TEST_SKIP" >>"$SKIP_LIST"
  else
    PASSED=$((PASSED + 1))
    echo "PASS $1 ($((SECONDS - start)) s)"
  fi
}

# skip_test REASON: the current test cannot run here; call it, then return.
# The skip goes to SKIP_LIST ("NAME<Tab>REASON" a line) for tools/test.sh.
skip_test() { TEST_SKIP=$1; }
