#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
for p in cmake g++ make clang libclang-rt-14-dev libgtest-dev googletest \
         g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
         wine wine64 xvfb xdotool imagemagick x11-apps x11-utils xclip \
         fonts-ipafont-gothic \
         librsvg2-bin zip clang-format python3; do
  have "$p" || need+=("$p")
done
have wine32:i386 || need+=("wine32:i386")

if ((${#need[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${need[@]}"
fi
