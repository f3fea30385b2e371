#!/usr/bin/env bash
# Takes a picture of Cleavo inside Wine's virtual desktop (which draws the
# title bar): scripts/screenshot.sh OUT.png [SECONDS] [FOLDER]
# FOLDER is the folder Cleavo starts in (its lists show it); CLEAVO_SHOT_SIZE
# is the desktop's size (800x500 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
out="$(realpath -m "$1")"; wait_s="${2:-4}"; folder="${3:-$BUILD/bin}"; size="${CLEAVO_SHOT_SIZE:-800x500}"
cleavo_prefix
trap cleavo_cleanup EXIT
cleavo_display
wineserver -p
exe="$("$WINE" winepath -w "$BUILD/bin/cleavo.exe")"
(cd "$folder" && "$WINE" explorer /desktop=shot,"$size" "$exe" >/dev/null 2>&1 &)
sleep "$wait_s"
import -window root -crop "$size+0+0" "$out"
echo "$out"
