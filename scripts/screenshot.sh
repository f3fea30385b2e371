#!/usr/bin/env bash
# Takes a picture of Cleavo inside Wine's virtual desktop (which draws the
# title bar): scripts/screenshot.sh OUT.png [SECONDS] [FOLDER]
# FOLDER is the folder Cleavo starts in (its lists show it).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
out="$(realpath -m "$1")"; wait_s="${2:-4}"; folder="${3:-$BUILD/bin}"
cleavo_prefix
trap cleavo_cleanup EXIT
cleavo_display
wineserver -p
exe="$("$WINE" winepath -w "$BUILD/bin/cleavo.exe")"
(cd "$folder" && "$WINE" explorer /desktop=shot,800x500 "$exe" >/dev/null 2>&1 &)
sleep "$wait_s"
import -window root -crop 800x500+0+0 "$out"
echo "$out"
