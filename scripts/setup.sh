#!/usr/bin/env bash
# Installs what building and testing Cleavo needs on Debian/Ubuntu, only where it is missing.
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
# "release": only what builds both release zips, which every x86-64 host can,
# whatever code it runs: the two cross compilers.
if [ "${1:-}" = release ]; then
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
  command -v unzip >/dev/null || need+=(unzip)
  CLEAVO_ARCH=none
else
  # The 32-bit build where this machine runs 32-bit code, else the x86_64 one.
  . "$(dirname "$0")/arch.sh"
fi
multiarch=""
if [ "$CLEAVO_ARCH" != none ]; then
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  command -v Xvfb >/dev/null || need+=(xvfb)
  # Wine's own Tahoma and the other fonts a Windows user has: without them the
  # window is drawn in stand-ins of other widths. DejaVu Sans is the wider face
  # that the look tests draw the window in as well.
  dpkg -s fonts-wine >/dev/null 2>&1 || need+=(fonts-wine)
  dpkg -s fonts-dejavu-core >/dev/null 2>&1 || need+=(fonts-dejavu-core)
  # mkfs.fat: the tests' drive T: is a FAT32 stick as Windows sees it.
  command -v mkfs.fat >/dev/null || [ -x /usr/sbin/mkfs.fat ] || need+=(dosfstools)
fi
if [ "$CLEAVO_ARCH" = none ]; then
  :
elif [ "$CLEAVO_ARCH" = x86_64 ]; then
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
  if ! command -v wine >/dev/null || ! dpkg -s wine64 >/dev/null 2>&1; then need+=(wine wine64); fi
else
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
  if ! command -v wine >/dev/null || ! dpkg -s wine32 >/dev/null 2>&1; then need+=(wine wine32); multiarch=i386; fi
fi
if [ "${CLEAVO_SCREENSHOTS:-}" = 1 ]; then
  command -v import >/dev/null || need+=(imagemagick)
  command -v xdotool >/dev/null || need+=(xdotool)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]} (apt-get, once)..."
  if [ -n "$multiarch" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
else
  echo "setup: the packages needed are all installed."
fi
