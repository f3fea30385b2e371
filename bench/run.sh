#!/usr/bin/env bash
# Throughput of cleavo.dll beside GNU split and cat on the same file, in one run;
# then the split with and without the SHA-256 hashes of the receiver's kit.
#   bash bench/run.sh [SIZE-MiB]   (default 2048)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
cleavo_build >/dev/null
cleavo_prefix
size_mib="${1:-2048}"
piece=100431871   # the Zip size
work="$(mktemp -d "$BUILD/bench.XXXXXX")"
trap 'rm -rf "$work"; wineserver -k >/dev/null 2>&1 || true' EXIT
mkdir "$work/gnu" "$work/cleavo"
echo "Making a ${size_mib} MiB file of random bytes..."
head -c "$((size_mib * 1048576))" /dev/urandom >"$work/input.bin"
bytes=$(stat -c %s "$work/input.bin")
wineserver -p

rate() { awk -v b="$bytes" -v s="$1" 'BEGIN { printf "%.0f", b / s / 1e6 }'; }
seconds() { local t0 t1; t0=$(date +%s.%N); "$@" >/dev/null; t1=$(date +%s.%N); awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'; }

cat "$work/input.bin" >/dev/null   # warm the page cache: every run below reads from memory
sync
t_cat=$(seconds cat "$work/input.bin")
sync
t_gnu=$(seconds split -b "$piece" "$work/input.bin" "$work/gnu/piece.")
sync
in_w=$("$WINE" winepath -w "$work/input.bin"); out_w=$("$WINE" winepath -w "$work/cleavo")
t_cleavo=$(seconds "$WINE" "$BUILD/bin/cleavo_bench.exe" "$in_w" "$out_w" "$piece")
sync
cat "$work"/cleavo/bench.S* | cmp - "$work/input.bin" && echo "cleavo pieces joined equal the input"

echo "file: $bytes bytes, pieces of $piece bytes"
echo "cat file >/dev/null : $t_cat s, $(rate "$t_cat") MB/s"
echo "GNU split -b        : $t_gnu s, $(rate "$t_gnu") MB/s"
echo "cleavo.dll (wine)   : $t_cleavo s, $(rate "$t_cleavo") MB/s (wall time, Wine start-up included)"
awk -v g="$t_gnu" -v c="$t_cleavo" 'BEGIN { printf "ratio cleavo/GNU split (throughput): %.2f\n", g / c }'
echo "Hashes (wine, one process, the page cache warm):"
"$WINE" "$BUILD/bin/cleavo_bench.exe" "$in_w" "$out_w" "$piece" --hashes
