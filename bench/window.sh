#!/usr/bin/env bash
# A split in Zip pieces through the whole program against the library called
# on the window's thread, in one run on one file.
#   bash bench/window.sh [SIZE-MiB] [ROUNDS]   (default 1024 MiB, 3 rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
cleavo_build >/dev/null
cleavo_prefix
size_mib="${1:-1024}"
rounds="${2:-3}"
work="$(mktemp -d "$BUILD/bench.XXXXXX")"
trap 'rm -rf "$work"; cleavo_cleanup' EXIT
cleavo_display
mkdir "$work/in" "$work/out"
echo "Making a ${size_mib} MiB file of random bytes..."
head -c "$((size_mib * 1048576))" /dev/urandom >"$work/in/input.bin"
cat "$work/in/input.bin" >/dev/null   # every round reads it from memory
wineserver -p
"$WINE" "$BUILD/bin/cleavo_bench_window.exe" "$("$WINE" winepath -w "$work/in")" input.bin "$("$WINE" winepath -w "$work/out")" "$rounds" \
  2> >(grep -v '^wine: Read access' >&2)
cat "$work"/out/input.S* | cmp - "$work/in/input.bin" && echo "the program's pieces joined equal the input"
