#!/bin/bash
# Whether Wine's 32-bit loader runs here, which the i686 programs need.
# Exit 0: it runs. Otherwise prints why not; exit 2 when this machine's
# kernel cannot start 32-bit programs at all, 1 for anything that an
# install (tools/install-deps.sh) would mend.
LOADER=/usr/lib/wine/wine
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then
  echo "wine32:i386 (Wine's 32-bit loader) is not installed; tools/install-deps.sh installs it and says why when it cannot"
  exit 1
fi
[ -e $LOADER ] || { echo "wine32:i386 is installed but $LOADER is missing"; exit 1; }
if out=$(WINEDEBUG=-all $LOADER --version 2>&1); then
  exit 0
fi
if grep -qi "exec format error" <<<"$out"; then
  echo "this kernel cannot start 32-bit programs (no IA32 emulation), so $LOADER does not run"
  exit 2
fi
echo "$LOADER --version fails: $(head -1 <<<"$out")"
exit 1
