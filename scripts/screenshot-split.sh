#!/usr/bin/env bash
# Pictures of a real split driven from the keyboard in Wine's virtual desktop:
# a 5,000,000-byte file cut to floppy size, the success message, then the
# window with the pieces listed. scripts/screenshot-split.sh OUT-FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
out="$(realpath -m "${1:-docs}")"
demo="$(mktemp -d)"
head -c 5000000 /dev/urandom >"$demo/holiday.avi"
cleavo_prefix
trap 'cleavo_cleanup; rm -rf "$demo"' EXIT
cleavo_display
wineserver -p
exe="$("$WINE" winepath -w "$BUILD/bin/cleavo.exe")"
(cd "$demo" && "$WINE" explorer /desktop=shot,800x500 "$exe" >/dev/null 2>&1 &)
sleep 5
xdotool key --clearmodifiers alt+l; sleep 0.5   # F&loppies size
xdotool key --clearmodifiers alt+s; sleep 1     # &Split this file (output folder: the same)
xdotool key --clearmodifiers alt+s; sleep 3     # &Split files now!
import -window root -crop 800x500+0+0 "$out/cleavo-split-done.png"
xdotool key Return; sleep 1.5
import -window root -crop 800x500+0+0 "$out/cleavo-after-split.png"
ls -l "$demo"
