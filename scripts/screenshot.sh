#!/usr/bin/env bash
# Takes a picture of Cleavo inside Wine's virtual desktop (which draws the
# title bar): scripts/screenshot.sh OUT.png [SECONDS] [FOLDER]
# FOLDER is the folder Cleavo starts in (its lists show it); CLEAVO_SHOT_SIZE
# is the desktop's size (800x500 unless set), CLEAVO_SHOT_DPI the screen's
# DPI (96 unless set) and CLEAVO_SHOT_TEXT the user's text size in percent
# ("Make text bigger", 100 unless set); the prefix gets its own back after.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
out="$(realpath -m "$1")"; wait_s="${2:-4}"; folder="${3:-$BUILD/bin}"; size="${CLEAVO_SHOT_SIZE:-800x500}"
cleavo_prefix
screen_settings() {
  "$WINE" reg "$@" >/dev/null 2>&1 || true
}
restore() {
  screen_settings delete 'HKCU\Control Panel\Desktop' /v LogPixels /f
  screen_settings delete 'HKCU\Software\Microsoft\Accessibility' /v TextScaleFactor /f
  cleavo_cleanup
}
trap restore EXIT
cleavo_display
wineserver -p
screen_settings add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${CLEAVO_SHOT_DPI:-96}" /f
screen_settings add 'HKCU\Software\Microsoft\Accessibility' /v TextScaleFactor /t REG_DWORD /d "${CLEAVO_SHOT_TEXT:-100}" /f
exe="$("$WINE" winepath -w "$BUILD/bin/cleavo.exe")"
(cd "$folder" && "$WINE" explorer /desktop=shot,"$size" "$exe" >/dev/null 2>&1 &)
sleep "$wait_s"
import -window root -crop "$size+0+0" "$out"
echo "$out"
