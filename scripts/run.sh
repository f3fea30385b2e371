#!/usr/bin/env bash
# Builds the program and its library (not the tests) and starts Cleavo under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/env.sh
echo "Building cleavo.exe and cleavo.dll in $BUILD (the tests are built by scripts/test.sh)..."
cleavo_build cleavo cleavo_dll
cleavo_prefix
if [ -z "${DISPLAY:-}" ]; then
  trap cleavo_cleanup EXIT
  cleavo_display
  echo "No display here: Cleavo runs on the private virtual display $DISPLAY (Xvfb)."
fi
echo "Starting Cleavo under $(cleavo_wine_kind) ($BUILD/bin/cleavo.exe)..."
cd "$BUILD/bin"
exec_rc=0
"$WINE" cleavo.exe || exec_rc=$?
exit $exec_rc
