#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing.
set -euo pipefail

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
need=()
for p in cmake g++ make clang libclang-rt-14-dev libgtest-dev googletest \
         g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
         wine wine64 xvfb xdotool imagemagick x11-apps x11-utils xclip \
         fonts-ipafont-gothic \
         librsvg2-bin zip unzip clang-format python3; do
  have "$p" || need+=("$p")
done
have wine32:i386 || need+=("wine32:i386")
((${#need[@]})) || exit 0

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and serves it a little later.
for try in 1 2 3; do
  $SUDO apt-get update -q && break
  sleep 10
done

main=()
for p in "${need[@]}"; do [ "$p" = wine32:i386 ] || main+=("$p"); done
if ((${#main[@]})); then
  $SUDO apt-get install -y -q "${main[@]}"
fi
# Wine's 32-bit loader only runs the i686 tests; without it they are built
# and reported as skipped.
if ! have wine32:i386; then
  $SUDO apt-get install -y -q wine32:i386 ||
    echo "install-deps: wine32:i386 could not be installed; i686 tests will be skipped" >&2
fi
