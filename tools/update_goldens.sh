#!/bin/bash
# Rewrites tests/golden/<case>/expected.txt by running halvane-run on a copy
# of each case folder (one holding JWC_TEMP.TXT and t517.dat). Read every
# changed expected.txt before committing it.
#   tools/update_goldens.sh BUILD_DIR [CASE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: tools/update_goldens.sh BUILD_DIR [CASE...]}
shift
runner=$build/halvane-run
[ -x "$runner" ] || { echo "no $runner; build the halvane-run target" >&2; exit 2; }

cases=("$@")
if [ ${#cases[@]} -eq 0 ]; then
  for dir in tests/golden/*/; do
    [ -f "$dir/JWC_TEMP.TXT" ] && [ -f "$dir/t517.dat" ] && cases+=("$(basename "$dir")")
  done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in "${cases[@]}"; do
  src=tests/golden/$name
  rm -rf "${work:?}"/*
  cp "$src/JWC_TEMP.TXT" "$src/t517.dat" "$work/"
  status=0
  "$runner" "$work" >/dev/null || status=$?
  [ $status -le 1 ] || { echo "$name: halvane-run failed ($status)" >&2; exit 1; }
  cp "$work/JWC_TEMP.TXT" "$src/expected.txt"
  echo "$name: exit $status"
done
