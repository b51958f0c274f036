#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing.
# Safe to run again: it does nothing once everything is installed.
# Exit 3: all but wine32:i386 (Wine's 32-bit loader) is installed.
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
NATIVE=$(dpkg --print-architecture)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and serves it a little later.
for try in 1 2 3; do
  $SUDO apt-get update -q && break
  echo "install-deps: an index failed to download (try $try of 3)" >&2
  [ $try = 3 ] || sleep 10
done

main=()
for p in "${need[@]}"; do [ "$p" = wine32:i386 ] || main+=("$p"); done
if ((${#main[@]})); then
  $SUDO apt-get install -y -q "${main[@]}"
fi
have wine32:i386 && exit 0

# --- wine32:i386 -------------------------------------------------------------
# A library that is Multi-Arch: same must have one version on both
# architectures. When the i386 index lags the native one (an update not yet
# built or not downloaded for i386), or the native library was installed from
# a version no index holds any more, apt's resolver gives up. Then every such
# library of wine32's dependencies is pinned to a version both architectures
# have: the installed one when i386 has it, else the newest common one (which
# may be a downgrade). Installed packages built from the same source move
# with it, and nothing is ever removed.

# Prints NAME=VERSION pins, NAME:i386=VERSION for the i386 side.
multiarch_pins() {
  local closure installed names
  closure=$(apt-cache depends --recurse --no-recommends --no-suggests \
      --no-conflicts --no-breaks --no-replaces --no-enhances wine32:i386 \
      2>/dev/null | sed -n 's/^\([^ <][^ ]*\):i386$/\1/p' | sort -u)
  # shellcheck disable=SC2086
  installed=$(dpkg-query -W -f='${Package} ${Architecture} ${Version} ${Multi-Arch}\n' \
      $closure 2>/dev/null | awk -v a="$NATIVE" '$2 == a && $4 == "same" {print $1, $3}')
  [ -n "$installed" ] || return 0
  names=$(cut -d' ' -f1 <<<"$installed")
  # apt-cache madison lists each package's versions newest first.
  # shellcheck disable=SC2086
  { sed 's/^/installed /' <<<"$installed"
    apt-cache madison $names $(sed 's/$/:i386/' <<<"$names"); } |
  awk -v a="$NATIVE" -F' *[|] *' '
    /^installed / { split($0, w, " "); have[w[2]] = w[3]; next }
    { name = $1; gsub(/^ +|:i386$/, "", name)
      if ($3 ~ (" " a " Packages$")) { n[name]++; native[name, n[name]] = $2 }
      else if ($3 ~ / i386 Packages$/) i386[name, $2] = 1 }
    END {
      for (p in have) {
        if ((p, have[p]) in i386) { print p ":i386=" have[p]; continue }
        pick = ""
        for (i = 1; i <= n[p]; i++)
          if ((p, native[p, i]) in i386) { pick = native[p, i]; break }
        if (pick == "") { print "no version of " p " for both architectures" > "/dev/stderr"; exit 1 }
        print p "=" pick; print p ":i386=" pick
      }
    }'
}

# sibling_pins SIMULATION: for each installed package the simulated install
# would remove, the version apt moves another package of its source to.
sibling_pins() {
  local removed
  removed=$(sed -n 's/^Remv \([^ :]*\)\(:[^ ]*\)\? .*/\1/p' <<<"$1" | sort -u)
  [ -n "$removed" ] || return 0
  # shellcheck disable=SC2086
  { dpkg-query -W -f='source ${Package} ${source:Package}\n' \
      $(sed -n 's/^Inst \([^ :]*\)\(:[^ ]*\)\? \[.*/\1/p' <<<"$1") $removed 2>/dev/null
    sed -n 's/^Inst \([^ :]*\)\(:[^ ]*\)\? \[[^]]*\] (\([^ ]*\) .*/moved \1 \3/p' <<<"$1"
    for r in $removed; do echo "removed $r"; apt-cache madison "$r" | sed "s/^/offer /"; done
  } | awk '
    $1 == "source" { src[$2] = $3; next }
    $1 == "moved" { to[src[$2]] = $3; next }
    $1 == "removed" { r = $2; next }
    $1 == "offer" { offered[r, $4] = 1; list[r] = 1 }
    END {
      for (r in list) if ((src[r] in to) && ((r, to[src[r]]) in offered))
        print r "=" to[src[r]]
    }'
}

install_wine32() {
  local pins sim more round
  echo "install-deps: installing wine32:i386 with one version of each shared library for both architectures"
  pins=$(multiarch_pins) || return 1
  for round in 1 2 3 4 5 6; do
    # shellcheck disable=SC2086
    sim=$(apt-get -s install -q --allow-downgrades wine32:i386 $pins 2>&1) || {
      echo "$sim" | tail -20 >&2; return 1; }
    grep -q '^Remv ' <<<"$sim" || break
    more=$(sibling_pins "$sim")
    [ -n "$more" ] && [ -n "$(comm -13 <(sort <<<"$pins") <(sort <<<"$more"))" ] || {
      echo "install-deps: would have to remove:" $(sed -n 's/^Remv \([^ ]*\) .*/\1/p' <<<"$sim") >&2
      return 1; }
    pins=$(sort -u <<<"$pins"$'\n'"$more")
  done
  echo "install-deps: changes to installed packages:"
  grep '^Inst [^ ]* \[' <<<"$sim" | grep -v ':i386 ' | sed 's/^Inst /  /' || true
  # Naming a package marks it installed by hand; what was automatic stays so.
  local automatic
  automatic=$(comm -12 <(cut -d= -f1 <<<"$pins" | sort) <(apt-mark showauto | sort))
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-remove --allow-downgrades wine32:i386 $pins || return 1
  # shellcheck disable=SC2086
  $SUDO apt-mark auto $(grep ':i386=' <<<"$pins" | cut -d= -f1) $automatic >/dev/null
}

# Wine's 32-bit loader runs the i686 programs; without it the i686 tests
# cannot run (tools/test.sh says so and fails where they could run).
if ! $SUDO apt-get install -y -q --no-remove wine32:i386 && ! install_wine32; then
  echo "install-deps: wine32:i386 could not be installed (see apt's messages above);" >&2
  echo "install-deps: the i686 programs cannot be tested under Wine" >&2
  exit 3
fi
