#!/bin/bash
# check_layout.sh PROBE_LOG EXPECTED [FACE]: compares the dialog that
# Halvane-probe recorded with the expected places, texts and fonts (FACE, by
# default ＭＳ ゴシック). Prints each difference; exit status 1 when there is one.
set -uo pipefail
log=$1
expected=$2
want_face=${3:-ＭＳ ゴシック}
failures=0
fail() { echo "layout: $*"; failures=$((failures + 1)); }

declare -A place text font seen_label
faces=()
while IFS= read -r line; do
  case $line in
    "child "*)
      read -r _ name class l t w h _ <<<"$line"
      rest=${line#* font }
      font_height=${rest%% *}
      rest=${rest#* }
      charset=${rest%% *}
      rest=${rest#* }
      face=${rest%% text *}
      value=${line#* text }
      [ "$value" = "$line" ] && value=""
      faces+=("$face $charset")
      if [ "$name" != - ]; then
        # A radio group's frame comes before its buttons.
        if [ -z "${place[$name]:-}" ]; then
          place[$name]="$l $t $w $h"
          text[$name]=$value
        fi
        font[$name]=$font_height
      else
        seen_label["$l $t ${font_height#-} $value"]=1
      fi
      ;;
    "client "*) read -r _ client_w client_h _ <<<"$line" ;;
    "caption "*) caption=${line#caption } ;;
    "owner "*)
      owner=${line#owner }
      owner_exstyle=${owner##* exstyle }
      owner_visible=${owner##* visible }
      owner_visible=${owner_visible%% *}
      owner=${owner% visible *}
      ;;
    "style "*) read -r _ style _ exstyle <<<"$line" ;;
  esac
done <"$log"

while IFS= read -r line; do
  case $line in
    "#"* | "") ;;
    "client "*)
      [ "${client_w:-} ${client_h:-}" = "${line#client }" ] ||
        fail "client area ${client_w:-?}x${client_h:-?}, expected ${line#client }"
      ;;
    "caption "*)
      [ "${caption:-}" = "${line#caption }" ] ||
        fail "caption '${caption:-}', expected '${line#caption }'"
      ;;
    "owner "*)
      [ "${owner:-}" = "${line#owner }" ] ||
        fail "taskbar title '${owner:-}', expected '${line#owner }'"
      [ "${owner_visible:-0}" = 1 ] || fail "the taskbar window is not visible"
      (((0x${owner_exstyle:-80} & 0x80) == 0)) ||
        fail "the taskbar window is a tool window (no taskbar button)"
      ;;
    "control "*)
      read -r _ name l t w h <<<"$line"
      got=${place[$name]:-missing}
      if [[ $name == ComboBox* ]]; then
        # Wine's combo box cannot be made lower than its font allows: the
        # closed height may come out up to 2 pixels taller there.
        read -r gl gt gw gh <<<"$got"
        if [ "$gl $gt $gw" != "$l $t $w" ] || ((gh < h || gh > h + 2)); then
          fail "$name at $got, expected $l $t $w $h"
        fi
      elif [ "$got" != "$l $t $w $h" ]; then
        fail "$name at $got, expected $l $t $w $h"
      fi
      [ "${font[$name]:-}" = -13 ] || fail "$name font height ${font[$name]:-?}"
      ;;
    "text "*)
      name=${line#text }
      name=${name%% *}
      want=${line#text $name }
      [ "${text[$name]-}" = "$want" ] ||
        fail "$name shows '${text[$name]-}', expected '$want'"
      ;;
    "label "*)
      key=${line#label }
      [ -n "${seen_label[$key]:-}" ] || fail "no label '$key'"
      ;;
    "memo "*)
      [ "${text[Memo1]-}" = "${line#memo }" ] || fail "memo text differs"
      ;;
  esac
done <"$expected"

# Single border, system menu and minimise box only.
if [ -n "${style:-}" ]; then
  ((0x$style & 0x00040000)) && fail "the dialog can be resized"
  ((0x$style & 0x00010000)) && fail "the dialog has a maximise box"
  ((0x$style & 0x00020000)) || fail "the dialog has no minimise box"
  ((0x$style & 0x00080000)) || fail "the dialog has no system menu"
else
  fail "no window style recorded"
fi
for f in "${faces[@]}"; do
  [ "$f" = "$want_face 128" ] || fail "font '$f' (expected $want_face, SHIFTJIS_CHARSET)"
done
exit $((failures > 0))
