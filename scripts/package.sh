#!/usr/bin/env bash
# Builds the release (program and library only) for both kinds of Windows and
# zips each with CPack: dist/cleavo-VERSION-win32.zip with the 32-bit
# cleavo.exe and cleavo.dll, dist/cleavo-VERSION-win64.zip with the 64-bit
# ones, each stripped, with README.txt. The same on any x86-64 host: the
# programs are cross-built, never run, so no Wine is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
bash scripts/setup.sh release
mkdir -p dist

# check_programs DIR ARCH: both programs in DIR are ARCH's kind (PE32 for
# Intel 80386, PE32+ for x86-64), stripped, and carry the version.
check_programs() {
  local dir="$1" arch="$2" version="$3" f format pattern="" i c
  for ((i = 0; i < ${#version}; i++)); do
    c="${version:i:1}"; [ "$c" = . ] && c='\.'
    pattern+="$c"'\x00'
  done
  case "$arch" in i686) format=pei-i386 ;; x86_64) format=pei-x86-64 ;; esac
  for f in cleavo.exe cleavo.dll; do
    "$arch-w64-mingw32-objdump" -f "$dir/$f" 2>/dev/null | grep -q "file format $format\$" ||
      { echo "$dir/$f is not a $format program: $(file -b "$dir/$f" 2>/dev/null || true)" >&2; return 1; }
    if "$arch-w64-mingw32-objdump" -h "$dir/$f" | grep -q '\.debug'; then
      echo "$dir/$f still has debug sections" >&2; return 1
    fi
    # The version resource's FileVersion, in UTF-16.
    LC_ALL=C grep -qaP "$pattern" "$dir/$f" ||
      { echo "$dir/$f carries no version $version" >&2; return 1; }
  done
}

for arch in i686 x86_64; do
  case "$arch" in i686) kind=win32 ;; x86_64) kind=win64 ;; esac
  build="$ROOT/build-release/$kind"
  mkdir -p "$ROOT/build-release"
  echo "Building the $kind release (cleavo.exe and cleavo.dll, $arch) in $build..."
  cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLEAVO_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" >"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
  cmake --build "$build" --target cleavo cleavo_dll -- -j2 >>"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
  rm -rf "$build/package" "$build/unzipped"
  (cd "$build" && cpack -G ZIP -B "$build/package" >"$build/package.log" 2>&1) || { cat "$build/package.log"; exit 1; }
  zip="$build/package/cleavo-$version-$kind.zip"
  [ -f "$zip" ] || { cat "$build/package.log"; echo "CPack wrote no $(basename "$zip")" >&2; exit 1; }
  # What the zip holds is checked before it goes to dist/.
  mkdir "$build/unzipped" && (cd "$build/unzipped" && unzip -q "$zip")
  check_programs "$build/unzipped" "$arch" "$version"
  cp "$zip" dist/
  echo "Wrote dist/$(basename "$zip") ($(stat -c %s "$zip") bytes):"
  cmake -E tar tvf "dist/$(basename "$zip")"
done
