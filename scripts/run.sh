#!/usr/bin/env bash
# Builds Cleavo and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/env.sh
cleavo_build
cleavo_prefix
if [ -z "${DISPLAY:-}" ]; then
  trap cleavo_cleanup EXIT
  cleavo_display
  echo "No display here: Cleavo runs on the private virtual display $DISPLAY (Xvfb)."
fi
cd "$BUILD/bin"
exec_rc=0
wine cleavo.exe || exec_rc=$?
exit $exec_rc
