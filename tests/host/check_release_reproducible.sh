#!/bin/bash
# Packs the release zip twice from the same programs, seconds apart, and
# checks that both are the same bytes and a complete package: a rebuild of
# the same commit gives the same zip.
# usage: check_release_reproducible.sh SOURCE_DIR VERSION X64_EXE X86_EXE
# (exit 77 when a program is not built)
set -euo pipefail
source=$1 version=$2 x64=$3 x86=$4
for exe in "$x64" "$x86"; do
  if [ ! -f "$exe" ]; then
    echo "SKIPPED: $exe is not built (build the Halvane target of the MinGW"
    echo "x86-64 and i686 builds, or set HALVANE_EXE_X64 / HALVANE_EXE_X86)"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
zip=Halvane-$version.zip
mkdir "$work/first" "$work/second"
python3 "$source/tools/make_release_zip.py" "$source" "$version" "$x64" "$x86" \
  "$work/first/$zip"
sleep 3  # anything dated by the clock would now differ
python3 "$source/tools/make_release_zip.py" "$source" "$version" "$x64" "$x86" \
  "$work/second/$zip"
if ! cmp "$work/first/$zip" "$work/second/$zip"; then
  echo "FAIL packing the same commit twice gave different zips"
  exit 1
fi
echo "ok   packed twice, 3 s apart: the same $(stat -c %s "$work/first/$zip") bytes"
python3 "$source/tests/host/check_release_zip.py" "$work/first/$zip" "$source"
