#!/bin/bash
# Runs a Windows program under Wine. Uses the 64-bit loader directly when
# Wine's 32-bit loader does not run here (tools/wine32-check.sh says why);
# then only x86-64 programs run.
export WINEDEBUG=${WINEDEBUG:--all}
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  exec /usr/lib/wine/wine "$@"
fi
export WINELOADER=/usr/lib/wine/wine64
exec /usr/lib/wine/wine64 "$@"
