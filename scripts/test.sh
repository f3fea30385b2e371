#!/usr/bin/env bash
# Builds Cleavo and its tests, then runs the whole suite under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/env.sh
cleavo_build
cleavo_prefix
trap cleavo_cleanup EXIT
cleavo_display
wineserver -p
echo "Running the tests under $(cleavo_wine_kind) on the virtual display $DISPLAY"
rc=0
ctest --test-dir "$BUILD" --output-on-failure --timeout 600 "$@" || rc=$?
exit $rc
