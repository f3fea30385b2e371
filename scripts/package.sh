#!/usr/bin/env bash
# Builds the release (program and library only) and zips it for Windows users
# with CPack: dist/cleavo-VERSION-win32.zip holding cleavo.exe and cleavo.dll,
# stripped, and README.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/env.sh
echo "Building cleavo.exe and cleavo.dll in $BUILD..."
cleavo_build cleavo cleavo_dll
echo "Packing the zip with CPack..."
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G ZIP -B "$BUILD/package" >"$BUILD/package.log" 2>&1) || { cat "$BUILD/package.log"; exit 1; }
zips=("$BUILD"/package/cleavo-*-win32.zip)
[ -f "${zips[0]}" ] || { cat "$BUILD/package.log"; echo "CPack wrote no zip" >&2; exit 1; }
mkdir -p dist
cp "${zips[0]}" dist/
zip="dist/$(basename "${zips[0]}")"
echo "Wrote $zip ($(stat -c %s "$zip") bytes):"
cmake -E tar tvf "$zip"
