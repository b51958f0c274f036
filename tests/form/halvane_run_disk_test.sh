#!/bin/bash
# halvane-run on a program folder that cannot take the files back: a
# read-only file system and a full one, each a small tmpfs mounted here. The
# host's file and the settings keep their bytes, no temporary file is left,
# the status is 4 and stderr names each file and the reason.
# Usage: halvane_run_disk_test.sh RUNNER CASE_FOLDER (with JWC_TEMP.TXT,
# t517.dat and expected.txt). Exit 77: skipped.
set -uo pipefail
RUNNER=$1
CASE=$2

if [ "$(id -u)" != 0 ]; then
  echo "skipped: mounting a tmpfs needs root"
  exit 77
fi
WORK=$(mktemp -d)
MNT=$WORK/folder
mkdir "$MNT"
cleanup() {
  mountpoint -q "$MNT" && umount "$MNT"
  rm -rf "$WORK"
}
trap cleanup EXIT
if ! mount -t tmpfs -o size=256k,mode=0755 halvane-test "$MNT"; then
  echo "skipped: this system refuses to mount a tmpfs"
  exit 77
fi

FAILS=0
fail() {
  echo "FAILED: $CURRENT: $1"
  FAILS=$((FAILS + 1))
}

# run_case NAME EXPECTED_STATUS EXPECTED_STDERR [--cancel]
run_case() {
  CURRENT=$1
  local status
  "$RUNNER" ${4:-} "$MNT" >"$WORK/out" 2>"$WORK/err"
  status=$?
  [ "$status" = "$2" ] || fail "exit status $status, expected $2"
  printf '%s' "$3" | cmp -s - "$WORK/err" ||
    fail "stderr: $(cat "$WORK/err")"
}

keeps_bytes() {
  cmp -s "$MNT/JWC_TEMP.TXT" "$CASE/JWC_TEMP.TXT" ||
    fail "JWC_TEMP.TXT changed"
  cmp -s "$MNT/t517.dat" "$CASE/t517.dat" || fail "t517.dat changed"
  local left
  left=$(cd "$MNT" && ls -A | grep -vx -e JWC_TEMP.TXT -e t517.dat -e filler)
  [ -z "$left" ] || fail "left behind: $left"
}

cp "$CASE/JWC_TEMP.TXT" "$CASE/t517.dat" "$MNT/"
mount -o remount,ro "$MNT" || { fail "cannot remount read-only"; exit 1; }
for cancel in "" --cancel; do
  settings=""
  [ -z "$cancel" ] && settings="halvane-run: settings not saved to $MNT/t517.dat: Read-only file system
"
  run_case "read-only folder $cancel" 4 "${settings}halvane-run: cannot write back $MNT/JWC_TEMP.TXT: Read-only file system
" "$cancel"
  keeps_bytes
done
mount -o remount,rw "$MNT"

# Fill every block; creating a file still works, writing to it does not.
dd if=/dev/zero of="$MNT/filler" bs=4k 2>/dev/null
for cancel in "" --cancel; do
  settings=""
  [ -z "$cancel" ] && settings="halvane-run: settings not saved to $MNT/t517.dat: No space left on device
"
  run_case "full file system $cancel" 4 "${settings}halvane-run: cannot write back $MNT/JWC_TEMP.TXT: No space left on device
" "$cancel"
  keeps_bytes
done

# The same folder with room again: the run draws as usual.
rm "$MNT/filler"
run_case "room again" 0 ""
cmp -s "$MNT/JWC_TEMP.TXT" "$CASE/expected.txt" || fail "not the expected drawing"

if ((FAILS)); then
  echo "$FAILS failures"
  exit 1
fi
echo "halvane-run keeps the host's files on a read-only and on a full file system"
